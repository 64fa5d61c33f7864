#include <gtest/gtest.h>

#include "fakes/fake_kernel_text.h"
#include "probes/os_release.h"

namespace kelvor {
namespace {

constexpr char kDebian[] =
    "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
    "NAME=\"Debian GNU/Linux\"\n"
    "VERSION_ID=\"12\"\n"
    "VERSION_CODENAME=bookworm\n"
    "ID=debian\n"
    "HOME_URL=\"https://www.debian.org/\"\n";

TEST(OsReleaseValue, QuotedAndBareValuesAsTheShellReadsThem) {
    EXPECT_EQ(OsReleaseValue(kDebian, "PRETTY_NAME"), "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(OsReleaseValue(kDebian, "VERSION_CODENAME"), "bookworm");
    EXPECT_EQ(OsReleaseValue(kDebian, "VERSION"), std::nullopt);
    EXPECT_EQ(OsReleaseValue(kDebian, "NAME"), "Debian GNU/Linux");
    const struct {
        const char* text;
        const char* value;
    } cases[] = {
        {"PRETTY_NAME='Arch Linux'", "Arch Linux"},
        // In double quotes a backslash escapes only $ ` " \ and the line feed.
        {R"(PRETTY_NAME="Say \"hi\" \$5 \`x\` a\\b c\d")", R"(Say "hi" $5 `x` a\b c\d)"},
        {"PRETTY_NAME='no \\escapes'", "no \\escapes"},
        {R"(PRETTY_NAME=Bare\ word\"s)", R"(Bare word"s)"},
        {R"(PRETTY_NAME="Joined"' and 'glued)", "Joined and glued"},
        {"PRETTY_NAME=\"Two \\\nlines\"", "Two lines"},
        // A line feed inside quotes is part of the value; it becomes a blank.
        {"PRETTY_NAME=\"Two\nlines\"\nNAME=x", "Two lines"},
        {"PRETTY_NAME=\"Tab\there\"", "Tab here"},
        // Blanks before the name, a comment after the value, DOS line ends.
        {"  PRETTY_NAME=\"Fedora Linux 39\" # the release\r\nID=fedora\r\n", "Fedora Linux 39"},
        {"PRETTY_NAME=Void\r\n", "Void"},
        {"PRETTY_NAME=", ""},
        // The last assignment counts.
        {"PRETTY_NAME=first\nPRETTY_NAME=second", "second"},
    };
    for (const auto& c : cases) EXPECT_EQ(OsReleaseValue(c.text, "PRETTY_NAME"), c.value) << c.text;
}

TEST(OsReleaseValue, CommentsOtherKeysAndBrokenLinesAssignNothing) {
    for (const char* text : {"# PRETTY_NAME=\"Commented\"", "   # PRETTY_NAME=x", "PRETTY_NAME_EXTRA=x",
                             "MY_PRETTY_NAME=x", "PRETTY_NAME =x", "PRETTY_NAME", "", "\n\n",
                             // A quote left open assigns nothing.
                             "PRETTY_NAME=\"Open"}) {
        EXPECT_EQ(OsReleaseValue(text, "PRETTY_NAME"), std::nullopt) << text;
    }
    // A broken line spoils only itself; a value quoted over several lines hides what it holds.
    EXPECT_EQ(OsReleaseValue("PRETTY_NAME=good\nNAME='open\n", "PRETTY_NAME"), "good");
    EXPECT_EQ(OsReleaseValue("# it's a comment\nPRETTY_NAME=good\n", "PRETTY_NAME"), "good");
    EXPECT_EQ(OsReleaseValue("NAME=\"a\nPRETTY_NAME=inside\"\nID=x", "PRETTY_NAME"), std::nullopt);
    // A backslash at the very end escapes nothing; the text is not read past its end.
    // Held in strings of their own, so that a read past the end shows under the address sanitizer.
    EXPECT_EQ(OsReleaseValue(std::string("PRETTY_NAME=Bare\\"), "PRETTY_NAME"), "Bare");
    EXPECT_EQ(OsReleaseValue(std::string("PRETTY_NAME=\"Open\\"), "PRETTY_NAME"), std::nullopt);
    EXPECT_EQ(OsReleaseValue(std::string("NAME=x\\"), "PRETTY_NAME"), std::nullopt);
}

TEST(KernelVersion, TheLeadingNumbersOfTheRelease) {
    EXPECT_EQ(KernelVersion("6.1.0-18-amd64"), "6.1.0");
    EXPECT_EQ(KernelVersion("6.8.0-rc3+"), "6.8.0");
    EXPECT_EQ(KernelVersion("5.15.0"), "5.15.0");
    EXPECT_EQ(KernelVersion("4.19.0.-x"), "4.19.0");
    EXPECT_EQ(KernelVersion("custom-kernel"), "custom-kernel");
    EXPECT_EQ(KernelVersion(""), "");
}

TEST(LinuxSystemText, ThePrettyNameThenTheNameOfEtcElseUsrLibAndTheKernel) {
    FakeKernelText etc;
    FakeKernelText usrLib;
    etc.text = kDebian;
    usrLib.text = "PRETTY_NAME=\"Other\"";
    EXPECT_EQ(LinuxSystemText(etc, usrLib, "6.1.0-18-amd64"), "Debian GNU/Linux 12 (bookworm), Linux 6.1.0");
    EXPECT_EQ(usrLib.reads, 0);
    etc.readable = false;
    EXPECT_EQ(LinuxSystemText(etc, usrLib, "6.1.0-18-amd64"), "Other, Linux 6.1.0");
    // Without a pretty name, or with an empty one, the name.
    for (const char* text : {"NAME=Gentoo\nID=gentoo", "PRETTY_NAME=\"\"\nNAME=Gentoo"}) {
        usrLib.text = text;
        EXPECT_EQ(LinuxSystemText(etc, usrLib, "6.6.13-gentoo"), "Gentoo, Linux 6.6.13") << text;
    }
    usrLib.text = "ID=minimal";
    EXPECT_EQ(LinuxSystemText(etc, usrLib, "6.6.13"), "Linux 6.6.13");
    usrLib.readable = false;
    EXPECT_EQ(LinuxSystemText(etc, usrLib, "6.6.13"), "Linux 6.6.13");
    EXPECT_EQ(LinuxSystemText(etc, usrLib, ""), "Linux");
}

}  // namespace
}  // namespace kelvor
