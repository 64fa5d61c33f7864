// The system line's naming of Windows versions.
#include <gtest/gtest.h>

#include "common/windows_family.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_system_info.h"
#include "probes/system_name.h"

namespace kelvor {
namespace {

TEST(SystemName, NamedByTheVersionQueryAndTheRegistryOfTheSameBuild) {
    constexpr int32_t kNt = kPlatformNt, k9x = kPlatform9x;
    const struct {
        WindowsVersionFacts facts;  // the version query's answer, then the registry's product, release, build
        const char* name;
    } cases[] = {
        {{{kNt, 10, 0, 19045, ""}, "Windows 10 Pro", "22H2", 19045}, "Windows 10 Pro 22H2 (build 19045)"},
        {{{kNt, 6, 1, 7601, "Service Pack 1"}, "Windows 7 Professional", "", 7601},
         "Windows 7 Professional Service Pack 1 (build 7601)"},
        {{{kNt, 5, 1, 2600, "Service Pack 3"}, "Microsoft Windows XP", "", 2600},
         "Windows XP Service Pack 3 (build 2600)"},
        // Build 22000 and later is Windows 11, whatever the product name says.
        {{{kNt, 10, 0, 22000, ""}, "Windows 10 Home", "21H2", 22000}, "Windows 11 Home 21H2 (build 22000)"},
        {{{kNt, 10, 0, 21999, ""}, "Windows 10 Home", "", 21999}, "Windows 10 Home (build 21999)"},
        {{{kNt, 10, 0, 26100, ""}, "Windows Server 2025 Datacenter", "24H2", 26100},
         "Windows Server 2025 Datacenter 24H2 (build 26100)"},
        {{{kNt, 10, 0, 22631, ""}, "", "", 0}, "Windows 11 (build 22631)"},
        // The version query wins over a registry of another build (Wine set to Windows 7 in a prefix
        // whose registry describes Windows 10).
        {{{kNt, 6, 1, 7601, "Service Pack 1"}, "Windows 10 Pro", "2009", 19045},
         "Windows 7 Service Pack 1 (build 7601)"},
        {{{kNt, 7, 2, 30000, ""}, "", "", 0}, "Windows NT 7.2 (build 30000)"},
        // The 9x family by version and update letter.
        {{{k9x, 4, 10, 2222, " A "}, "", "", 0}, "Windows 98 Second Edition (4.10.2222)"},
        {{{k9x, 4, 10, 1998, " "}, "", "", 0}, "Windows 98 (4.10.1998)"},
        {{{k9x, 4, 0, 950, ""}, "", "", 0}, "Windows 95 (4.00.950)"},
        {{{k9x, 4, 0, 1111, " B"}, "", "", 0}, "Windows 95 OSR2 (4.00.1111)"},
        {{{k9x, 4, 0, 1212, " C"}, "", "", 0}, "Windows 95 OSR2.5 (4.00.1212)"},
        {{{k9x, 4, 90, 3000, " "}, "", "", 0}, "Windows Me (4.90.3000)"},
    };
    for (const auto& c : cases) EXPECT_EQ(WindowsSystemName(c.facts), c.name);
}

TEST(SystemName, TheNtFamilyAsksTheRegistryWithItsOlderValuesAsFallbacksAnd9xDoesNot) {
    FakeSystemInfo system;
    FakeRegistry registry;
    const auto store = [&](const char* name, const char* text) {
        registry.SetString(RegistryRoot::LocalMachine, kWindowsNtVersionKey, name, text);
    };
    system.version = {kPlatformNt, 10, 0, 18363, ""};
    store("ProductName", "Windows 10 Enterprise");
    store("ReleaseId", "1909");
    store("CurrentBuild", "18363");
    EXPECT_EQ(ReadWindowsSystemName(system, registry), "Windows 10 Enterprise 1909 (build 18363)");
    store("DisplayVersion", "19H2");
    store("CurrentBuildNumber", "18363");
    EXPECT_EQ(ReadWindowsSystemName(system, registry), "Windows 10 Enterprise 19H2 (build 18363)");
    // CurrentBuildNumber wins over CurrentBuild; when it is another build, the numbers name the system.
    store("CurrentBuildNumber", "19045");
    EXPECT_EQ(ReadWindowsSystemName(system, registry), "Windows 10 (build 18363)");

    registry.ClearCalls();
    system.version = {kPlatform9x, 4, 10, 2222, " A "};
    EXPECT_EQ(ReadWindowsSystemName(system, registry), "Windows 98 Second Edition (4.10.2222)");
    EXPECT_TRUE(registry.Calls().empty());

    system.versionReadable = false;
    EXPECT_EQ(ReadWindowsSystemName(system, registry), "unknown");
}

}  // namespace
}  // namespace kelvor
