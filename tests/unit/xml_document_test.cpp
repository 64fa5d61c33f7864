// The XML reader that the template tests rely on to call a file well-formed.
#include <gtest/gtest.h>

#include <string>

#include "support/xml_document.h"

namespace kelvor::test {
namespace {

TEST(XmlDocument, ReadsElementsAttributesTextAndReferences) {
    const XmlElement root = ParseXml(
        "<?xml version=\"1.0\"?>\n<!-- a comment -->\n"
        "<a x=\"1 &amp; 2\" y='&#65;&#x42;'>\n  <b/>t&lt;u<c z=\"&quot;&apos;&gt;\"></c><b k=\"v\"/>\n</a>\n");
    EXPECT_EQ(root.name, "a");
    EXPECT_EQ(root.Attribute("x"), "1 & 2");
    EXPECT_EQ(root.Attribute("y"), "AB");
    EXPECT_EQ(root.Attribute("missing"), "");
    ASSERT_EQ(root.children.size(), 3u);
    EXPECT_EQ(root.Children("b").size(), 2u);
    EXPECT_EQ(root.Child("b"), nullptr);  // not the only one
    ASSERT_NE(root.Child("c"), nullptr);
    EXPECT_EQ(root.Child("c")->Attribute("z"), "\"'>");
    EXPECT_EQ(root.text, "\n  t<u\n");
}

TEST(XmlDocument, RefusesWhatIsNotWellFormed) {
    for (const char* document : {"", "<a>", "<a><b></a></b>", "<a></b>", "<a x='1' x='2'/>", "<a>&nbsp;</a>",
                                 "<a>&amp</a>", "<a/><b/>", "text<a/>", "<a/>text", "<a x=1/>", "<a x='<'/>",
                                 "<a y='1'z='2'/>", "<a><![CDATA[x]]></a>", "<!-- open <a/>", "<a>&#0;</a>"}) {
        EXPECT_THROW(ParseXml(document), XmlError) << document;
    }
}

}  // namespace
}  // namespace kelvor::test
