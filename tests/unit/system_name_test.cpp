// The system line's naming of Windows versions.
#include <gtest/gtest.h>

#include "fakes/fake_registry.h"
#include "fakes/fake_system_info.h"
#include "probes/system_name.h"

namespace kelvor {
namespace {

WindowsVersionFacts Nt(int32_t major, int32_t minor, int32_t build, std::string csd = "") {
    WindowsVersionFacts facts;
    facts.Version = {2, major, minor, build, std::move(csd)};
    return facts;
}

WindowsVersionFacts WithRegistry(WindowsVersionFacts facts, std::string product, std::string release, int32_t build) {
    facts.ProductName = std::move(product);
    facts.DisplayVersion = std::move(release);
    facts.RegistryBuild = build;
    return facts;
}

WindowsVersionFacts Win9x(int32_t minor, int32_t build, std::string csd) {
    WindowsVersionFacts facts;
    facts.Version = {1, 4, minor, build, std::move(csd)};
    return facts;
}

TEST(SystemName, TheProductNameAndReleaseOfTheRegistry) {
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(10, 0, 19045), "Windows 10 Pro", "22H2", 19045)),
              "Windows 10 Pro 22H2 (build 19045)");
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(10, 0, 18363), "Windows 10 Enterprise", "1909", 18363)),
              "Windows 10 Enterprise 1909 (build 18363)");
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(6, 1, 7601, "Service Pack 1"), "Windows 7 Professional", "", 7601)),
              "Windows 7 Professional Service Pack 1 (build 7601)");
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(5, 1, 2600, "Service Pack 3"), "Microsoft Windows XP", "", 2600)),
              "Windows XP Service Pack 3 (build 2600)");
}

TEST(SystemName, Build22000AndLaterIsWindows11WhateverTheProductNameSays) {
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(10, 0, 22631), "Windows 10 Pro", "23H2", 22631)),
              "Windows 11 Pro 23H2 (build 22631)");
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(10, 0, 22000), "Windows 10 Home", "21H2", 22000)),
              "Windows 11 Home 21H2 (build 22000)");
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(10, 0, 21999), "Windows 10 Home", "", 21999)),
              "Windows 10 Home (build 21999)");
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(10, 0, 26100), "Windows Server 2025 Datacenter", "24H2", 26100)),
              "Windows Server 2025 Datacenter 24H2 (build 26100)");
    EXPECT_EQ(WindowsSystemName(Nt(10, 0, 22631)), "Windows 11 (build 22631)");
    EXPECT_EQ(WindowsSystemName(Nt(10, 0, 19045)), "Windows 10 (build 19045)");
}

TEST(SystemName, TheVersionQueryWinsOverARegistryOfAnotherBuild) {
    // Wine set to Windows 7 in a prefix whose registry describes Windows 10.
    EXPECT_EQ(WindowsSystemName(WithRegistry(Nt(6, 1, 7601, "Service Pack 1"), "Windows 10 Pro", "2009", 19045)),
              "Windows 7 Service Pack 1 (build 7601)");
    EXPECT_EQ(WindowsSystemName(Nt(4, 0, 1381, "Service Pack 6")), "Windows NT 4.0 Service Pack 6 (build 1381)");
    EXPECT_EQ(WindowsSystemName(Nt(6, 3, 9600)), "Windows 8.1 (build 9600)");
    EXPECT_EQ(WindowsSystemName(Nt(7, 2, 30000)), "Windows NT 7.2 (build 30000)");
}

TEST(SystemName, The9xFamilyByVersionAndUpdateLetter) {
    EXPECT_EQ(WindowsSystemName(Win9x(10, 2222, " A ")), "Windows 98 Second Edition (4.10.2222)");
    EXPECT_EQ(WindowsSystemName(Win9x(10, 1998, " ")), "Windows 98 (4.10.1998)");
    EXPECT_EQ(WindowsSystemName(Win9x(0, 950, "")), "Windows 95 (4.00.950)");
    EXPECT_EQ(WindowsSystemName(Win9x(0, 1111, " B")), "Windows 95 OSR2 (4.00.1111)");
    EXPECT_EQ(WindowsSystemName(Win9x(0, 1212, " C")), "Windows 95 OSR2.5 (4.00.1212)");
    EXPECT_EQ(WindowsSystemName(Win9x(90, 3000, " ")), "Windows Me (4.90.3000)");
    EXPECT_EQ(WindowsSystemName(WindowsVersionFacts{}), "unknown");
}

TEST(SystemName, TheNtFamilyAsksTheRegistryWithItsOlderValuesAsFallbacksAnd9xDoesNot) {
    FakeSystemInfo system;
    FakeRegistry registry;
    const auto store = [&](const char* name, const char* text) {
        registry.SetString(RegistryRoot::LocalMachine, kWindowsNtVersionKey, name, text);
    };
    system.version = {2, 10, 0, 18363, ""};
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
    system.version = {1, 4, 10, 2222, " A "};
    EXPECT_EQ(ReadWindowsSystemName(system, registry), "Windows 98 Second Edition (4.10.2222)");
    EXPECT_TRUE(registry.Calls().empty());

    system.versionReadable = false;
    EXPECT_EQ(ReadWindowsSystemName(system, registry), "unknown");
}

}  // namespace
}  // namespace kelvor
