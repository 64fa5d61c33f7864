// The Group Policy template (packaging/kelvor.admx and en-US/kelvor.adml) against the settings code:
// it names exactly the values that LoadSettings reads, with the types it reads them as, under the
// settings key, and every value it can write loads.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "animation/movers.h"
#include "fakes/fake_registry.h"
#include "settings/saver_settings.h"
#include "support/policy_template.h"
#include "support/xml_document.h"

namespace kelvor {
namespace {

using test::PolicyValue;

test::XmlElement ReadPackagingFile(const std::string& name) {
    std::ifstream file(std::string(KELVOR_SOURCE_DIR) + "/packaging/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return test::ParseXml(text.str());
}

const std::vector<PolicyValue>& TemplateValues() {
    static const std::vector<PolicyValue> values = test::ReadPolicyValues(ReadPackagingFile("kelvor.admx"));
    return values;
}

struct Load {
    SaverSettings settings;
    std::set<std::string> queried;
};

// LoadSettings over a registry holding DisplayItems = 255, so that the description is read too, and
// whatever `store` adds.
Load LoadFrom(const std::function<void(FakeRegistry&)>& store = nullptr) {
    FakeRegistry registry;
    registry.SetNumber(kSettingsRoot, kSettingsSubkey, "DisplayItems", 255);
    if (store) store(registry);
    Load load;
    LoadSettings(registry, load.settings);
    for (const FakeRegistry::Call& call : registry.Calls())
        if (call.operation == FakeRegistry::Operation::Query) load.queried.insert(call.name);
    return load;
}

// The string reader also takes number values, as their decimal text, and the number reader only
// numbers: a value read as a string loads the same from the text "1" as from the number 1, one read
// as a number loads the default from the text (no setting's default is 1, and every number setting
// takes 1).
uint32_t TypeLoadSettingsReads(const std::string& name) {
    const SaverSettings fromText =
        LoadFrom([&](FakeRegistry& r) { r.SetString(kSettingsRoot, kSettingsSubkey, name, "1"); }).settings;
    const SaverSettings fromNumber =
        LoadFrom([&](FakeRegistry& r) { r.SetNumber(kSettingsRoot, kSettingsSubkey, name, 1); }).settings;
    return fromText == fromNumber ? kRegSz : kRegDword;
}

// What the Group Policy client stores: numbers as REG_DWORD, texts as REG_SZ with their terminator.
std::function<void(FakeRegistry&)> Storing(const PolicyValue& value, uint32_t number) {
    return [&value, number](FakeRegistry& r) {
        r.SetNumber(kSettingsRoot, kSettingsSubkey, value.valueName, static_cast<int32_t>(number));
    };
}
std::function<void(FakeRegistry&)> Storing(const PolicyValue& value, const std::string& text) {
    return [&value, text](FakeRegistry& r) {
        std::vector<uint8_t> data(text.begin(), text.end());
        data.push_back(0);
        r.SetRaw(kSettingsRoot, kSettingsSubkey, value.valueName, kRegSz, data);
    };
}

TEST(PolicyTemplate, IsWellFormedAndEveryTextAndControlItNamesIsInItsLanguageFile) {
    const test::XmlElement admx = ReadPackagingFile("kelvor.admx");
    const test::XmlElement adml = ReadPackagingFile("en-US/kelvor.adml");
    EXPECT_EQ(admx.name, "policyDefinitions");
    EXPECT_EQ(adml.name, "policyDefinitionResources");
    EXPECT_EQ(test::UnresolvedReferences(admx, adml), std::vector<std::string>());
}

TEST(PolicyTemplate, NamesExactlyTheValuesLoadSettingsReadsWithTheTypesItReadsThemAs) {
    std::map<std::string, uint32_t> inTemplate;
    for (const PolicyValue& value : TemplateValues()) {
        EXPECT_EQ(value.policyClass, "Machine") << value.policy;
        EXPECT_EQ(value.key, kSettingsSubkey) << value.policy;
        EXPECT_TRUE(inTemplate.emplace(value.valueName, value.type).second) << value.valueName << " twice";
    }
    std::map<std::string, uint32_t> inCode;
    for (const std::string& name : LoadFrom().queried) inCode[name] = TypeLoadSettingsReads(name);
    EXPECT_EQ(inTemplate, inCode);
}

TEST(PolicyTemplate, EveryValueItCanWriteLoadsAndEveryChoiceLoadsDifferently) {
    const SaverSettings without = LoadFrom().settings;
    for (const PolicyValue& value : TemplateValues()) {
        SCOPED_TRACE(value.valueName);
        std::vector<SaverSettings> loaded;
        for (const uint32_t number : value.numbers) {
            // A number too large for its field would raise an overflow at start-up.
            EXPECT_NO_THROW(loaded.push_back(LoadFrom(Storing(value, number)).settings)) << number;
        }
        for (const std::string& text : value.texts) {
            ASSERT_NO_THROW(loaded.push_back(LoadFrom(Storing(value, text)).settings));
            // A text longer than the reader's buffer would load as the default instead.
            EXPECT_NE(loaded.back(), without) << text.size() << " characters";
        }
        if (!value.everyChoice) continue;
        for (size_t i = 0; i < loaded.size(); ++i)
            for (size_t j = i + 1; j < loaded.size(); ++j)
                EXPECT_NE(loaded[i], loaded[j]) << "choices " << i << " and " << j;
    }
}

TEST(PolicyTemplate, TheAnimationChoicesAreTheMoversAnimationTypes) {
    std::vector<uint32_t> choices;
    for (const PolicyValue& value : TemplateValues())
        if (value.valueName == "MoveOption") choices = value.numbers;
    EXPECT_EQ(choices, (std::vector<uint32_t>{Movers::kRandomJumping, Movers::kRandomSliding, Movers::kBounceOffSides,
                                              Movers::kRandomPath, Movers::kStationaryInCentre}));
}

}  // namespace
}  // namespace kelvor
