#pragma once
// What a Group Policy template (ADMX, with its ADML language file) writes to the registry, read
// from the template itself so that tests can hold it against the code that reads those values.

#include <cstdint>
#include <string>
#include <vector>

#include "support/xml_document.h"

namespace kelvor::test {

inline constexpr uint32_t kRegQword = 11;

// One registry value that a policy sets when it is enabled.
struct PolicyValue {
    std::string policy;
    std::string policyClass;  // "Machine", "User" or "Both"
    std::string key;
    std::string valueName;
    // The element kind: "text", "decimal", "boolean", "enum", ...; "policy" for the policy's own value.
    std::string element;
    uint32_t type = 0;    // the registry type written (kRegSz, kRegDword, ...); kRegNone when this reader cannot tell
    // Number values: the smallest and largest a decimal takes, or every value of an enum or boolean.
    std::vector<uint32_t> numbers;
    // String values: the longest text a text box takes, or every value of an enum or boolean.
    std::vector<std::string> texts;
    // True when numbers or texts list every choice (enum, boolean) rather than the extremes.
    bool everyChoice = false;
};

// The values of every policy of an ADMX document, in document order.
std::vector<PolicyValue> ReadPolicyValues(const XmlElement& admx);

// What the ADMX refers to that its ADML does not hold, one line each: a $(string.id) or
// $(presentation.id) missing from the ADML, or a presentation whose controls do not match the
// policy's elements one to one. Empty when everything resolves.
std::vector<std::string> UnresolvedReferences(const XmlElement& admx, const XmlElement& adml);

}  // namespace kelvor::test
