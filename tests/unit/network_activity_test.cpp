#include <gtest/gtest.h>

#include "fakes/fake_interface_table.h"
#include "fakes/interface_table_builder.h"
#include "probes/interface_table.h"
#include "probes/network_activity.h"

namespace kelvor {
namespace {

std::string Line(const char* receive, const char* send) {
    return std::string("Network activity: rx: ") + receive + "  tx: " + send;
}

TEST(InterfaceTable, SumsEveryRowAsSignedNumbersSkippingAdditionsThatOverflow) {
    std::vector<InterfaceOctets> rows;
    for (uint32_t i = 1; i <= 45; ++i) rows.push_back({i, 2 * i});
    OctetTotals totals = SumInterfaceOctets(BuildInterfaceTable(rows));
    EXPECT_EQ(totals.Received, 1035);
    EXPECT_EQ(totals.Sent, 2070);

    // 2^31 and above read as negative; 0x7FFFFFF0 + 0x20 would overflow and is left out.
    totals = SumInterfaceOctets(BuildInterfaceTable({{0x80000000u, 0x7FFFFFF0u}, {5, 0x20}, {0xFFFFFFFFu, 7}}));
    EXPECT_EQ(totals.Received, INT32_MIN + 5 - 1);
    EXPECT_EQ(totals.Sent, 0x7FFFFFF0 + 7);
    totals = SumInterfaceOctets(BuildInterfaceTable({{0x80000000u, 0}, {0x80000000u, 0}, {1, 0}}));
    EXPECT_EQ(totals.Received, INT32_MIN + 1);
}

TEST(InterfaceTable, ATableWhoseRowsDoNotFitCountsAsEmpty) {
    const std::vector<uint8_t> table = BuildInterfaceTable({{100, 200}, {300, 400}});
    for (size_t length = 0; length < table.size(); ++length) {
        const OctetTotals totals = SumInterfaceOctets(std::span<const uint8_t>(table).first(length));
        EXPECT_EQ(totals.Received, 0) << length;
        EXPECT_EQ(totals.Sent, 0) << length;
    }
    std::vector<uint8_t> lying = table;
    lying[3] = 0xFF;  // a row count near 2^32
    EXPECT_EQ(SumInterfaceOctets(lying).Received, 0);
}

TEST(NetworkActivityStatus, MarksTurnWhileATotalGrowsAndKeepTheirPhaseOverIdleCalls) {
    FakeInterfaceTable source;
    NetworkActivity helper(source);
    source.table = BuildInterfaceTable({{100, 0}});
    EXPECT_EQ(helper.Status(), Line("/", "|"));
    source.table = BuildInterfaceTable({{150, 0}});
    EXPECT_EQ(helper.Status(), Line("\\", "|"));
    EXPECT_EQ(helper.Status(), Line("|", "|"));  // idle
    source.table = BuildInterfaceTable({{160, 10}});
    EXPECT_EQ(helper.Status(), Line("/", "/"));  // continues after the last turn shown
    source.table = BuildInterfaceTable({{40, 20}});
    EXPECT_EQ(helper.Status(), Line("|", "\\"));  // a total going down shows no activity...
    source.table = BuildInterfaceTable({{41, 20}});
    EXPECT_EQ(helper.Status(), Line("\\", "|"));  // ...and becomes the new reference
    EXPECT_EQ(helper.BytesReceived(), 41);
    EXPECT_EQ(helper.BytesSent(), 20);
}

TEST(NetworkActivityStatus, WithoutTheTableTheLineIsQuestionMarksAndAFailedReadCountsAsZero) {
    FakeInterfaceTable source;
    NetworkActivity helper(source);
    source.table = BuildInterfaceTable({{100, 100}});
    source.sizeStatus = kInterfaceTableNotSupported;
    EXPECT_EQ(helper.Status(), "??");
    EXPECT_EQ(source.reads, 0);

    source.sizeStatus = kInterfaceTableInsufficientBuffer;
    source.readStatus = 1;
    EXPECT_EQ(helper.Status(), Line("|", "|"));
    EXPECT_EQ(helper.BytesReceived(), 0);
    source.readStatus = 0;
    EXPECT_EQ(helper.Status(), Line("/", "/"));
    EXPECT_EQ(helper.BytesSent(), 100);

    // Only the size query decides that there is no table; a read refused after it counts as 0.
    source.readStatus = kInterfaceTableNotSupported;
    EXPECT_EQ(helper.Status(), Line("|", "|"));
    EXPECT_EQ(helper.Status(), Line("|", "|"));
    EXPECT_EQ(helper.BytesReceived(), 0);
    source.readStatus = 0;
    EXPECT_EQ(helper.Status(), Line("\\", "\\"));
}

TEST(NetworkActivityStatus, TheSizeIsAskedOnlyWhenTheTableOutgrowsItsBuffer) {
    FakeInterfaceTable source;
    NetworkActivity helper(source);
    source.table = BuildInterfaceTable({{10, 10}, {20, 20}});
    for (int call = 0; call < 5; ++call) helper.Status();
    EXPECT_EQ(source.sizeQueries, 1);
    source.table = BuildInterfaceTable({{10, 10}, {20, 20}, {30, 30}});
    EXPECT_EQ(helper.Status(), Line("\\", "\\"));
    EXPECT_EQ(helper.BytesReceived(), 60);
    EXPECT_EQ(source.sizeQueries, 2);
    source.table = BuildInterfaceTable({{5, 5}});  // a removed interface: the old buffer still fits
    EXPECT_EQ(helper.Status(), Line("|", "|"));
    EXPECT_EQ(helper.BytesReceived(), 5);
    EXPECT_EQ(source.sizeQueries, 2);
}

}  // namespace
}  // namespace kelvor
