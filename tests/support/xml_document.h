#pragma once
// A small XML reader for the tests that check files of the project against its code (the Group
// Policy template). It reads elements, attributes and text with the five predefined entities and
// numeric character references, skips the declaration, comments and processing instructions, and
// refuses what is not well-formed: mismatched or unclosed tags, a repeated attribute, an unknown
// entity, anything but white space outside the root. Namespaces are not resolved (a prefix stays
// part of the name); DTDs and CDATA sections are refused.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvor::test {

struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::vector<XmlElement> children;
    std::string text;  // the character data directly inside, joined

    // The attribute's value, "" when it is missing.
    std::string Attribute(const std::string& attribute) const;
    bool HasAttribute(const std::string& attribute) const { return attributes.contains(attribute); }
    // The children with this name, in document order.
    std::vector<const XmlElement*> Children(std::string_view childName) const;
    // The only child with this name; nullptr when there is none or more than one.
    const XmlElement* Child(std::string_view childName) const;
};

class XmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The document's root element; throws XmlError, naming the offset, when the text is not well-formed.
XmlElement ParseXml(std::string_view document);

}  // namespace kelvor::test
