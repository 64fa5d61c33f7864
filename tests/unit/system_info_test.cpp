#include <gtest/gtest.h>

#include "fakes/fake_locale.h"
#include "fakes/fake_system_info.h"
#include "probes/computer_name.h"
#include "probes/memory_usage.h"
#include "probes/os_version.h"

namespace kelvor {
namespace {

TEST(ReadOSVersion, FlagsFollowFamilyAndVersion) {
    struct Case {
        const char* name;
        WindowsVersion version;
        bool multiMonitor;
        bool memoryStatusEx;
    };
    const std::vector<Case> cases{
        {"95", {1, 4, 0}, false, false},   {"98", {1, 4, 10}, true, false}, {"Me", {1, 4, 90}, true, false},
        {"NT 4", {2, 4, 0}, false, false}, {"2000", {2, 5, 0}, true, true}, {"XP", {2, 5, 1}, true, true},
        {"7", {2, 6, 1}, true, true},      {"CE", {3, 4, 0}, false, true},
    };
    FakeSystemInfo system;
    for (const Case& c : cases) {
        system.version = c.version;
        const OsCapabilities capabilities = ReadOSVersion(system);
        EXPECT_EQ(capabilities.PlatformId, c.version.PlatformId) << c.name;
        EXPECT_EQ(capabilities.HasMultiMonitor, c.multiMonitor) << c.name;
        EXPECT_EQ(capabilities.HasMemoryStatusEx, c.memoryStatusEx) << c.name;
    }
    system.versionReadable = false;
    const OsCapabilities unknown = ReadOSVersion(system);
    EXPECT_EQ(unknown.PlatformId, 0);
    EXPECT_FALSE(unknown.HasMultiMonitor || unknown.HasMemoryStatusEx);
}

TEST(ReadComputerName, GivesTheNameWithoutBlanksAroundItOrNothing) {
    FakeSystemInfo system;
    system.computerName = "WORKSTATION-7";
    EXPECT_EQ(ReadComputerName(system), "WORKSTATION-7");
    system.computerName = "  PC 1 ";
    EXPECT_EQ(ReadComputerName(system), "PC 1");
    system.computerName = "   ";
    EXPECT_EQ(ReadComputerName(system), "");
    system.computerName.reset();
    EXPECT_EQ(ReadComputerName(system), "");
}

class MemoryUsage : public ::testing::Test {
protected:
    std::string Extended(uint64_t total, uint64_t available) {
        system.memoryEx = PageFileStatusEx{total, available};
        return MemoryUsageText(system, true, locale);
    }
    std::string Classic(uint32_t total, uint32_t available) {
        system.memory = {total, available};
        return MemoryUsageText(system, false, locale);
    }

    FakeSystemInfo system;
    FakeLocale locale;
};

TEST_F(MemoryUsage, KilobytesRoundHalfToEvenAndGroupWithTheLocaleSeparator) {
    EXPECT_EQ(Extended(1000000 + 1536, 1000000), "2 K");
    EXPECT_EQ(Extended(2560, 0), "2 K");
    EXPECT_EQ(Extended(3584, 0), "4 K");
    EXPECT_EQ(Extended(512, 0), " K");
    EXPECT_EQ(Extended(262144ull * 1024, 0), "262,144 K");
    locale.separator = ".";
    EXPECT_EQ(Classic(300000000u, 100000000u), "195.312 K");  // 195312.5
}

TEST_F(MemoryUsage, TheExtendedStatusShowsBeyondFourGigabytes) {
    EXPECT_EQ(Extended(10ull << 30, 4ull << 30), "6,291,456 K");
    EXPECT_EQ(Extended(2047ull << 30, 0), "2,146,435,072 K");
    EXPECT_EQ(Extended(3ull << 40, 0), "memory query failed");  // kilobytes beyond 32 bits
    system.memoryEx.reset();
    EXPECT_EQ(MemoryUsageText(system, true, locale), "memory query failed");
}

TEST_F(MemoryUsage, NeverNegativeOrWrapped) {
    EXPECT_EQ(Classic(0xC0000000u, 0x40000000u), "2,097,152 K");  // beyond 2 GB, unsigned
    EXPECT_EQ(Classic(0xFFFFFFFFu, 0), "4,194,304 K");
    EXPECT_EQ(Extended(1024, 4096), "memory query failed");
    // Capped 32-bit figures that contradict each other: the 64-bit call where the system has it.
    system.memoryEx = PageFileStatusEx{24ull << 30, 20ull << 30};
    EXPECT_EQ(Classic(0x7FFFFFFFu, 0xFFFFFFFFu), "4,194,304 K");
    system.memoryEx.reset();
    EXPECT_EQ(Classic(1024, 0x80000000u), "memory query failed");
}

}  // namespace
}  // namespace kelvor
