#include "support/policy_template.h"

#include <functional>
#include <map>
#include <optional>
#include <set>

#include "settings/registry.h"

namespace kelvor::test {
namespace {

// ADMX defaults where an element leaves them out.
constexpr uint32_t kDefaultMaxDecimal = 9999;
constexpr size_t kDefaultMaxTextLength = 1023;

// Adds one choice of an enum, boolean or policy. Its holder (an item's value, a trueValue, an
// enabledValue, ...) has a single child naming the data written; choices of different types make
// the value's type unknown.
void AddChoice(const XmlElement* holder, std::optional<uint32_t>& type, PolicyValue& value) {
    uint32_t choiceType = kRegNone;
    if (holder != nullptr && holder->children.size() == 1) {
        const XmlElement& data = holder->children.front();
        if (data.name == "decimal") {
            choiceType = kRegDword;
            value.numbers.push_back(static_cast<uint32_t>(std::stoul(data.Attribute("value"))));
        } else if (data.name == "string") {
            choiceType = kRegSz;
            value.texts.push_back(data.text);
        } else if (data.name == "longDecimal") {
            choiceType = kRegQword;
        }
    }
    type = !type || *type == choiceType ? choiceType : kRegNone;
}

// A boolean or a policy's own value: one holder for each state, 1 and 0 when there are none.
void ReadOnOff(const XmlElement* on, const XmlElement* off, PolicyValue& value) {
    value.everyChoice = true;
    if (on == nullptr && off == nullptr) {
        value.type = kRegDword;
        value.numbers = {1, 0};
        return;
    }
    std::optional<uint32_t> type;
    AddChoice(on, type, value);
    AddChoice(off, type, value);
    value.type = *type;
}

void ReadElement(const XmlElement& element, PolicyValue& value) {
    const auto flag = [&element](const char* attribute) { return element.Attribute(attribute) == "true"; };
    if (element.name == "text") {
        value.type = flag("expandable") ? kRegExpandSz : kRegSz;
        const std::string limit = element.Attribute("maxLength");
        value.texts = {std::string(limit.empty() ? kDefaultMaxTextLength : std::stoul(limit), 'x')};
    } else if (element.name == "decimal") {
        const std::string low = element.Attribute("minValue");
        const std::string high = element.Attribute("maxValue");
        value.numbers = {low.empty() ? 0 : static_cast<uint32_t>(std::stoul(low)),
                         high.empty() ? kDefaultMaxDecimal : static_cast<uint32_t>(std::stoul(high))};
        value.type = kRegDword;
        if (flag("storeAsText")) {
            value.type = kRegSz;
            for (const uint32_t number : value.numbers) value.texts.push_back(std::to_string(number));
            value.numbers.clear();
        }
    } else if (element.name == "boolean") {
        ReadOnOff(element.Child("trueValue"), element.Child("falseValue"), value);
    } else if (element.name == "enum") {
        value.everyChoice = true;
        std::optional<uint32_t> type;
        for (const XmlElement* item : element.Children("item")) AddChoice(item->Child("value"), type, value);
        value.type = type.value_or(kRegNone);
    } else if (element.name == "multiText") {
        value.type = kRegMultiSz;
    } else if (element.name == "longDecimal") {
        value.type = flag("storeAsText") ? kRegSz : kRegQword;
    }
    // Anything else (a list writes a key of values) is left as kRegNone.
}

void ForEachAttribute(const XmlElement& element, const std::function<void(const std::string&)>& visit) {
    for (const auto& [name, text] : element.attributes) visit(text);
    for (const XmlElement& child : element.children) ForEachAttribute(child, visit);
}

// The id inside "$(kind.id)", or nullopt when the text is no such reference.
std::optional<std::string> Reference(const std::string& text, const std::string& kind) {
    const std::string start = "$(" + kind + ".";
    if (!text.starts_with(start) || !text.ends_with(")")) return std::nullopt;
    return text.substr(start.size(), text.size() - start.size() - 1);
}

std::map<std::string, const XmlElement*> ById(const XmlElement* table, std::string_view entry) {
    std::map<std::string, const XmlElement*> entries;
    if (table != nullptr)
        for (const XmlElement* element : table->Children(entry)) entries[element->Attribute("id")] = element;
    return entries;
}

}  // namespace

std::vector<PolicyValue> ReadPolicyValues(const XmlElement& admx) {
    std::vector<PolicyValue> values;
    const XmlElement* policies = admx.Child("policies");
    if (policies == nullptr) return values;
    for (const XmlElement* policy : policies->Children("policy")) {
        PolicyValue common;
        common.policy = policy->Attribute("name");
        common.policyClass = policy->Attribute("class");
        common.key = policy->Attribute("key");
        if (policy->HasAttribute("valueName")) {
            PolicyValue own = common;
            own.valueName = policy->Attribute("valueName");
            own.element = "policy";
            ReadOnOff(policy->Child("enabledValue"), policy->Child("disabledValue"), own);
            values.push_back(own);
        }
        const XmlElement* elements = policy->Child("elements");
        if (elements == nullptr) continue;
        for (const XmlElement& element : elements->children) {
            PolicyValue value = common;
            value.element = element.name;
            value.valueName = element.Attribute("valueName");
            if (element.HasAttribute("key")) value.key = element.Attribute("key");
            ReadElement(element, value);
            values.push_back(value);
        }
    }
    return values;
}

std::vector<std::string> UnresolvedReferences(const XmlElement& admx, const XmlElement& adml) {
    const XmlElement* resources = adml.Child("resources");
    const auto strings = ById(resources == nullptr ? nullptr : resources->Child("stringTable"), "string");
    const auto presentations =
        ById(resources == nullptr ? nullptr : resources->Child("presentationTable"), "presentation");

    std::vector<std::string> problems;
    ForEachAttribute(admx, [&](const std::string& text) {
        if (const auto id = Reference(text, "string"); id && !strings.contains(*id))
            problems.push_back("no string " + *id);
        if (const auto id = Reference(text, "presentation"); id && !presentations.contains(*id))
            problems.push_back("no presentation " + *id);
    });

    const XmlElement* policies = admx.Child("policies");
    if (policies == nullptr) return problems;
    for (const XmlElement* policy : policies->Children("policy")) {
        std::set<std::string> elementIds;
        if (const XmlElement* elements = policy->Child("elements"))
            for (const XmlElement& element : elements->children) elementIds.insert(element.Attribute("id"));
        std::set<std::string> controlIds;
        const auto presentation = presentations.find(Reference(policy->Attribute("presentation"), "presentation")
                                                         .value_or(""));
        if (presentation != presentations.end())
            for (const XmlElement& control : presentation->second->children)
                if (control.HasAttribute("refId")) controlIds.insert(control.Attribute("refId"));
        if (controlIds != elementIds)
            problems.push_back("the controls of policy " + policy->Attribute("name") + " do not match its elements");
    }
    return problems;
}

}  // namespace kelvor::test
