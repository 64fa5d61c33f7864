#include <gtest/gtest.h>

#include "host/command_line.h"

namespace kelvor {
namespace {

TEST(CommandLine, SwitchIsTheFirstTwoTrimmedUpperCasedCharacters) {
    EXPECT_EQ(FormSwitch("/s"), "/S");
    EXPECT_EQ(FormSwitch("   /s   "), "/S");
    EXPECT_EQ(FormSwitch("/S:0"), "/S");
    EXPECT_EQ(FormSwitch("/p 1234"), "/P");
    EXPECT_EQ(FormSwitch("/c:5678"), "/C");
    EXPECT_EQ(FormSwitch("-s"), "-S");
    EXPECT_EQ(FormSwitch("s"), "S");
    EXPECT_EQ(FormSwitch(""), "");
    EXPECT_EQ(FormSwitch("     "), "");
}

TEST(CommandLine, LeadingNumberReadsSignDigitsAndOnePoint) {
    EXPECT_EQ(ReadLeadingNumber(" 1234"), 1234.0);
    EXPECT_EQ(ReadLeadingNumber("  -12.5xyz"), -12.5);
    EXPECT_EQ(ReadLeadingNumber("+7.25.3"), 7.25);
    EXPECT_EQ(ReadLeadingNumber(""), 0.0);
    EXPECT_EQ(ReadLeadingNumber("abc"), 0.0);
    EXPECT_EQ(ReadLeadingNumber("-"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(":1234"), 0.0);
}

TEST(CommandLine, PasswordParentComesFromTheRawLineAfterTwoCharacters) {
    EXPECT_EQ(PasswordParentWindow("/a 1234"), 1234);
    EXPECT_EQ(PasswordParentWindow("/A"), 0);
    EXPECT_EQ(PasswordParentWindow("/a"), 0);
    EXPECT_EQ(PasswordParentWindow("/a:99"), 0);  // the colon stops the reading
    EXPECT_EQ(PasswordParentWindow("/a 2.5"), 2);
    EXPECT_EQ(PasswordParentWindow("/a 3.5"), 4);
    // Not trimmed first: leading blanks shift what the first two characters are.
    EXPECT_EQ(PasswordParentWindow(" /a 77"), 0);
}

TEST(CommandLine, WindowHandleIsTheLongestNumericTail) {
    EXPECT_EQ(ParseWindowHandle("/p 1234"), 1234);
    EXPECT_EQ(ParseWindowHandle("/P:1234"), 1234);
    EXPECT_EQ(ParseWindowHandle("/p 00042"), 42);
    EXPECT_EQ(ParseWindowHandle("/p  -17  "), -17);
    EXPECT_EQ(ParseWindowHandle("/p 12 34"), 34);
    EXPECT_EQ(ParseWindowHandle("/p 1.5"), 2);
    EXPECT_EQ(ParseWindowHandle("/p"), 0);
    EXPECT_EQ(ParseWindowHandle("no digits here"), 0);
    EXPECT_EQ(ParseWindowHandle(""), 0);
    EXPECT_EQ(ParseWindowHandle("/p 99999999999"), 0);
}

}  // namespace
}  // namespace kelvor
