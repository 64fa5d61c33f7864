// The xscreensaver settings description (packaging/xscreensaver/kelvor.xml) against the module's
// options: whatever the settings program can write is an option the module takes, and what the
// program shows as defaults are the module's.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "module/module_options.h"
#include "module/module_values.h"
#include "settings/saver_settings.h"
#include "support/xml_document.h"

namespace kelvor {
namespace {

// What a user might type into each text field.
const std::map<std::string, std::string> kTyped{
    {"font", "DejaVu Sans-12:bold"}, {"fg", "#ffffff"}, {"bg", "navy"}, {"lines", "cpu,network"}, {"text", "Rack 4"}};

test::XmlElement ReadDescription() {
    std::ifstream file(std::string(KELVOR_SOURCE_DIR) + "/packaging/xscreensaver/kelvor.xml", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return test::ParseXml(text.str());
}

void ForEachElement(const test::XmlElement& element, const std::function<void(const test::XmlElement&)>& each) {
    each(element);
    for (const test::XmlElement& child : element.children) ForEachElement(child, each);
}

// The settings program writes an argument as words split at blanks; "%" stands for the value.
std::vector<std::string> Words(std::string argument, const std::string& value = "") {
    if (const size_t mark = argument.find('%'); mark != std::string::npos) argument.replace(mark, 1, value);
    std::vector<std::string> words;
    std::istringstream stream(argument);
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

// The options of the arguments; nothing when any of them drew a warning.
std::optional<ModuleOptions> Parse(const std::vector<std::string>& arguments) {
    ModuleOptions options;
    std::vector<std::string> warnings;
    ParseModuleOptions(arguments, options, warnings);
    if (!warnings.empty()) return std::nullopt;
    return options;
}

TEST(SettingsDescription, EverythingItCanWriteIsAnOptionOfTheModule) {
    const test::XmlElement description = ReadDescription();
    ASSERT_EQ(description.name, "screensaver");
    EXPECT_EQ(description.Attribute("name"), kModuleName);
    ASSERT_NE(description.Child("command"), nullptr);
    EXPECT_EQ(description.Child("command")->Attribute("arg"), "-root");

    int written = 0;
    ForEachElement(description, [&](const test::XmlElement& element) {
        std::vector<std::vector<std::string>> arguments;
        if (element.name == "number") {
            for (const char* bound : {"low", "high", "default"})
                arguments.push_back(Words(element.Attribute("arg"), element.Attribute(bound)));
        } else if (element.name == "option" || element.name == "boolean") {
            for (const char* set : {"arg-set", "arg-unset"})
                if (element.HasAttribute(set)) arguments.push_back(Words(element.Attribute(set)));
        } else if (element.name == "string") {
            ASSERT_TRUE(kTyped.contains(element.Attribute("id"))) << element.Attribute("id");
            // A typed value goes in whole, blanks and all.
            arguments.push_back({Words(element.Attribute("arg"))[0], kTyped.at(element.Attribute("id"))});
        }
        for (const std::vector<std::string>& words : arguments) {
            EXPECT_TRUE(Parse(words).has_value()) << words[0] << " " << (words.size() > 1 ? words[1] : "");
            ++written;
        }
    });
    EXPECT_GE(written, 12);
}

TEST(SettingsDescription, ItShowsTheModulesDefaults) {
    const test::XmlElement description = ReadDescription();
    std::map<std::string, const test::XmlElement*> byId;
    ForEachElement(description, [&](const test::XmlElement& element) { byId[element.Attribute("id")] = &element; });

    ASSERT_TRUE(byId.contains("randomness"));
    EXPECT_EQ(std::stoi(byId["randomness"]->Attribute("default")), DefaultSettings().MoveEBRandom);

    // The settings program writes nothing for the one choice of a menu without arg-set: the module's
    // default.
    for (const char* menu : {"animation", "clock"}) {
        ASSERT_TRUE(byId.contains(menu)) << menu;
        int withoutArgument = 0;
        for (const test::XmlElement* option : byId[menu]->Children("option"))
            withoutArgument += option->HasAttribute("arg-set") ? 0 : 1;
        EXPECT_EQ(withoutArgument, 1) << menu;
    }
    const std::vector<const test::XmlElement*> animations = byId["animation"]->Children("option");
    for (const test::XmlElement* option : animations) {
        // Each choice is named for the word of -animation it writes.
        const std::optional<ModuleOptions> chosen = Parse({"-animation", option->Attribute("id")});
        ASSERT_TRUE(chosen.has_value()) << option->Attribute("id");
        EXPECT_EQ(*chosen->moveOption == DefaultSettings().MoveOption, !option->HasAttribute("arg-set"))
            << option->Attribute("id");
    }
    for (const test::XmlElement* option : byId["clock"]->Children("option")) {
        if (!option->HasAttribute("arg-set")) continue;
        EXPECT_NE(Parse(Words(option->Attribute("arg-set")))->timeFormat, DefaultSettings().TimeFormat);
    }

    // The speed control: its default is the module's tick.
    ASSERT_TRUE(byId.contains("delay"));
    EXPECT_EQ(std::stoi(byId["delay"]->Attribute("default")), kDefaultTickMicroseconds);
    ASSERT_TRUE(byId.contains("showfps"));
    EXPECT_TRUE(Parse(Words(byId["showfps"]->Attribute("arg-set")))->fps);
}

TEST(SettingsDescription, EachLineHasABoxForExactlyThatLine) {
    const test::XmlElement description = ReadDescription();
    const auto linesOf = [](const std::vector<std::string>& arguments) -> std::optional<LineBits> {
        const std::optional<ModuleOptions> options = Parse(arguments);
        if (!options) return std::nullopt;
        std::vector<std::string> warnings;
        class AnyColour final : public ColourNames {
        public:
            std::optional<int32_t> Colour(const std::string&) override { return 0; }
        } colours;
        const SaverSettings settings = ModuleSettings(*options, colours, warnings);
        return static_cast<LineBits>(settings.DisplayItems | settings.ExtraItems << kExtraLinesShift);
    };
    // Ticked, as every line of the module's defaults with a text given: a box that writes its
    // argument when unticked, and hides its line. Unticked, as the lines that are off by default: a
    // box that writes its argument when ticked, and shows its line.
    const LineBits shownByDefault = *linesOf({"-text", "Rack 4"});
    LineBits boxed = 0;
    ForEachElement(description, [&](const test::XmlElement& element) {
        if (element.name != "boolean" || element.Attribute("id") == "showfps") return;
        const bool onByDefault = element.HasAttribute("arg-unset");
        ASSERT_NE(onByDefault, element.HasAttribute("arg-set")) << element.Attribute("id");
        std::vector<std::string> arguments = Words(element.Attribute(onByDefault ? "arg-unset" : "arg-set"));
        arguments.insert(arguments.end(), {"-text", "Rack 4"});
        const std::optional<LineBits> shown = linesOf(arguments);
        ASSERT_TRUE(shown.has_value()) << element.Attribute("id");
        const auto changed = static_cast<LineBits>(shownByDefault ^ *shown);
        // One line each, and a different one each; ticking a box never hides a line.
        EXPECT_EQ(changed & (changed - 1), 0) << element.Attribute("id");
        EXPECT_NE(changed, 0) << element.Attribute("id");
        EXPECT_EQ((changed & shownByDefault) != 0, onByDefault) << element.Attribute("id");
        EXPECT_EQ(boxed & changed, 0) << element.Attribute("id");
        boxed |= changed;
    });
    EXPECT_EQ(boxed, *ParseLines("all"));
}

}  // namespace
}  // namespace kelvor
