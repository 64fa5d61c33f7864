#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fakes/fake_kernel_text.h"
#include "probes/os_release.h"

namespace kelvor {
namespace {

TEST(OsReleaseValue, ValuesAsTheShellReadsThemAndLinesThatAssignNothing) {
    const struct {
        const char* text;
        const char* value;  // nullptr: not assigned
    } cases[] = {
        // In double quotes a backslash escapes only $ ` " \ and the line feed.
        {R"(PRETTY_NAME="Say \"hi\" \$5 \`x\` a\\b c\d")", R"(Say "hi" $5 `x` a\b c\d)"},
        {"PRETTY_NAME='no \\escapes'", "no \\escapes"},
        {R"(PRETTY_NAME=Bare\ word\"s)", R"(Bare word"s)"},
        {R"(PRETTY_NAME="Joined"' and 'glued)", "Joined and glued"},
        {"PRETTY_NAME=\"Two \\\nlines\"", "Two lines"},
        // A line feed inside quotes is part of the value; it becomes a blank.
        {"PRETTY_NAME=\"Two\nlines\"\nNAME=x", "Two lines"},
        // Blanks before the name, a comment after the value, DOS line ends.
        {"  PRETTY_NAME=\"Fedora Linux 39\" # the release\r\nID=fedora\r\n", "Fedora Linux 39"},
        {"PRETTY_NAME=Void\r\n", "Void"},
        {"PRETTY_NAME=", ""},
        // The last assignment counts.
        {"PRETTY_NAME=first\nPRETTY_NAME=second", "second"},
        // A backslash at the very end escapes nothing; the text is not read past its end.
        {"PRETTY_NAME=Bare\\", "Bare"},
        {"PRETTY_NAME=\"Open\\", nullptr},
        // Comments, other keys and broken lines assign nothing; a broken line spoils only itself.
        {"# PRETTY_NAME=\"Commented\"", nullptr},
        {"   # PRETTY_NAME=x", nullptr},
        {"PRETTY_NAME_EXTRA=x", nullptr},
        {"MY_PRETTY_NAME=x", nullptr},
        {"PRETTY_NAME =x", nullptr},
        {"PRETTY_NAME", nullptr},
        {"\n\n", nullptr},
        {"PRETTY_NAME=\"Open", nullptr},
        {"PRETTY_NAME=good\nPRETTY_NAME='open\n", "good"},
        {"# a quote='\nPRETTY_NAME=good\n# ' opens nothing", "good"},
        // A value quoted over several lines hides what it holds.
        {"NAME=\"a\nPRETTY_NAME=inside\"\nID=x", nullptr},
    };
    for (const auto& c : cases) {
        // Each text in a buffer of its own size, so that a read past its end shows under the address sanitizer.
        const std::vector<char> buffer(c.text, c.text + std::strlen(c.text));
        const std::optional<std::string> value = OsReleaseValue({buffer.data(), buffer.size()}, "PRETTY_NAME");
        EXPECT_EQ(value, c.value ? std::optional<std::string>(c.value) : std::nullopt) << c.text;
    }
}

TEST(LinuxSystemText, ThePrettyNameThenTheNameOfEtcElseUsrLibAndTheKernelsVersion) {
    FakeKernelText etc;
    FakeKernelText usrLib;
    etc.text = "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n";
    usrLib.text = "PRETTY_NAME=\"Other\"";
    EXPECT_EQ(LinuxSystemText(etc, usrLib, "6.1.0-18-amd64"), "Debian GNU/Linux 12 (bookworm), Linux 6.1.0");
    EXPECT_EQ(usrLib.reads, 0);
    etc.readable = false;
    EXPECT_EQ(LinuxSystemText(etc, usrLib, "6.1.0-18-amd64"), "Other, Linux 6.1.0");
    // Without a pretty name, or with an empty one, the name.
    for (const char* text : {"NAME=Gentoo\nID=gentoo", "PRETTY_NAME=\"\"\nNAME=Gentoo"}) {
        usrLib.text = text;
        EXPECT_EQ(LinuxSystemText(etc, usrLib, "6.6.13"), "Gentoo, Linux 6.6.13") << text;
    }
    // Neither file names the system. The kernel's leading numbers, without a trailing dot; a release
    // without numbers whole.
    usrLib.text = "ID=minimal";
    EXPECT_EQ(LinuxSystemText(etc, usrLib, "4.19.0.-x"), "Linux 4.19.0");
    usrLib.readable = false;
    EXPECT_EQ(LinuxSystemText(etc, usrLib, "custom-kernel"), "Linux custom-kernel");
    EXPECT_EQ(LinuxSystemText(etc, usrLib, ""), "Linux");
}

}  // namespace
}  // namespace kelvor
