#include "support/xml_document.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace kelvor::test {

std::string XmlElement::Attribute(const std::string& attribute) const {
    const auto found = attributes.find(attribute);
    return found == attributes.end() ? std::string() : found->second;
}

std::vector<const XmlElement*> XmlElement::Children(std::string_view childName) const {
    std::vector<const XmlElement*> found;
    for (const XmlElement& child : children)
        if (child.name == childName) found.push_back(&child);
    return found;
}

const XmlElement* XmlElement::Child(std::string_view childName) const {
    const std::vector<const XmlElement*> found = Children(childName);
    return found.size() == 1 ? found.front() : nullptr;
}

namespace {

class Parser {
public:
    explicit Parser(std::string_view document) : text_(document) {}

    XmlElement Document() {
        SkipMisc();
        if (!Peek("<")) Fail("no root element");
        XmlElement root = Element();
        SkipMisc();
        if (position_ != text_.size()) Fail("content after the root element");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw XmlError(what + " at offset " + std::to_string(position_));
    }

    bool Peek(std::string_view what) const { return text_.substr(position_, what.size()) == what; }

    void Expect(std::string_view what) {
        if (!Peek(what)) Fail("expected '" + std::string(what) + "'");
        position_ += what.size();
    }

    void SkipPast(std::string_view end) {
        const size_t found = text_.find(end, position_);
        if (found == std::string_view::npos) Fail("unterminated '" + std::string(text_.substr(position_, 4)) + "'");
        position_ = found + end.size();
    }

    void SkipSpace() {
        while (position_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[position_]))) ++position_;
    }

    // White space, comments and processing instructions (the declaration among them).
    void SkipMisc() {
        for (;;) {
            SkipSpace();
            if (Peek("<!--"))
                SkipPast("-->");
            else if (Peek("<?"))
                SkipPast("?>");
            else
                return;
        }
    }

    static bool NameCharacter(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' || c == ':';
    }

    std::string Name() {
        const size_t start = position_;
        while (position_ < text_.size() && NameCharacter(text_[position_])) ++position_;
        if (position_ == start) Fail("expected a name");
        return std::string(text_.substr(start, position_ - start));
    }

    void AppendReference(std::string& out) {
        const size_t end = text_.find(';', position_);
        if (end == std::string_view::npos) Fail("unterminated entity reference");
        const std::string_view entity = text_.substr(position_ + 1, end - position_ - 1);
        static const std::map<std::string_view, char> kNamed = {
            {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        if (const auto named = kNamed.find(entity); named != kNamed.end()) {
            out += named->second;
        } else if (entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            const std::string_view digits = entity.substr(hex ? 2 : 1);
            uint32_t code = 0;
            const char* const end = digits.data() + digits.size();
            const auto [last, error] = std::from_chars(digits.data(), end, code, hex ? 16 : 10);
            // The files this reads are plain ASCII; other characters are not needed.
            if (error != std::errc() || last != end || code == 0 || code > 0x7F)
                Fail("unsupported character reference");
            out += static_cast<char>(code);
        } else {
            Fail("unknown entity '" + std::string(entity) + "'");
        }
        position_ = end + 1;
    }

    std::string AttributeValue() {
        if (position_ >= text_.size() || (text_[position_] != '"' && text_[position_] != '\''))
            Fail("expected a quoted attribute value");
        const char quote = text_[position_++];
        std::string value;
        while (position_ < text_.size() && text_[position_] != quote) {
            if (text_[position_] == '<') Fail("'<' in an attribute value");
            if (text_[position_] == '&')
                AppendReference(value);
            else
                value += text_[position_++];
        }
        Expect(std::string_view(&quote, 1));
        return value;
    }

    XmlElement Element() {
        Expect("<");
        XmlElement element;
        element.name = Name();
        for (;;) {
            const size_t before = position_;
            SkipSpace();
            if (Peek("/>")) {
                position_ += 2;
                return element;
            }
            if (Peek(">")) {
                ++position_;
                break;
            }
            if (position_ == before) Fail("expected white space before an attribute");
            std::string attribute = Name();
            SkipSpace();
            Expect("=");
            SkipSpace();
            if (!element.attributes.emplace(attribute, AttributeValue()).second)
                Fail("repeated attribute '" + attribute + "'");
        }
        Content(element);
        return element;
    }

    void Content(XmlElement& element) {
        for (;;) {
            if (position_ >= text_.size()) Fail("'" + element.name + "' is not closed");
            if (Peek("</")) {
                position_ += 2;
                if (Name() != element.name) Fail("mismatched end tag of '" + element.name + "'");
                SkipSpace();
                Expect(">");
                return;
            }
            if (Peek("<!--")) {
                SkipPast("-->");
            } else if (Peek("<?")) {
                SkipPast("?>");
            } else if (Peek("<!")) {
                Fail("CDATA and declarations are not supported");
            } else if (Peek("<")) {
                element.children.push_back(Element());
            } else if (text_[position_] == '&') {
                AppendReference(element.text);
            } else {
                element.text += text_[position_++];
            }
        }
    }

    std::string_view text_;
    size_t position_ = 0;
};

}  // namespace

XmlElement ParseXml(std::string_view document) { return Parser(document).Document(); }

}  // namespace kelvor::test
