#include <gtest/gtest.h>

#include <random>
#include <utility>

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
    std::vector<InterfaceRow> rows;
    for (size_t length = 0; length < table.size(); ++length) {
        rows.assign(1, InterfaceRow{});
        EXPECT_FALSE(ReadInterfaceRows(std::span<const uint8_t>(table).first(length), rows)) << length;
        EXPECT_TRUE(rows.empty()) << length;
    }
    std::vector<uint8_t> lying = table;
    lying[3] = 0xFF;  // a row count near 2^32
    EXPECT_FALSE(ReadInterfaceRows(lying, rows));
    EXPECT_EQ(SumInterfaceOctets(std::span<const uint8_t>(table).first(table.size() - 1)).Received, 0);
    ASSERT_TRUE(ReadInterfaceRows(table, rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Index, 2u);
    EXPECT_EQ(rows[1].OperStatus, 5u);
    EXPECT_EQ(rows[1].Received, 300u);
    EXPECT_EQ(rows[1].Sent, 400u);
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

TEST(InterfaceEntry, NamesItsInterfaceAndGivesTheLowHalfOfItsCountersInEitherLayout) {
    for (const InterfaceEntryLayout layout : {InterfaceEntryLayout::IfRow, InterfaceEntryLayout::IfRow2}) {
        FakeInterfaceTable source;
        source.layout = layout;
        source.table = BuildInterfaceTable({{10, 20}, {0xFFFFFFF0u, 0x80000001u, 5, 7}});
        std::vector<uint8_t> entry = InterfaceEntryFor(layout, 7);
        ASSERT_EQ(source.ReadEntry(entry), 0);
        const std::optional<InterfaceCounters> counters = ReadInterfaceEntry(layout, entry);
        ASSERT_TRUE(counters.has_value());
        EXPECT_EQ(counters->Index, 7u);
        EXPECT_EQ(counters->Received, 0xFFFFFFF0u);
        EXPECT_EQ(counters->Sent, 0x80000001u);
        for (size_t length = 0; length < entry.size(); ++length)
            EXPECT_FALSE(ReadInterfaceEntry(layout, std::span<const uint8_t>(entry).first(length))) << length;
    }
    EXPECT_FALSE(ReadInterfaceEntry(InterfaceEntryLayout::None, InterfaceEntryFor(InterfaceEntryLayout::IfRow2, 1)));
    EXPECT_TRUE(CanPassTraffic(5));
    EXPECT_TRUE(CanPassTraffic(3));
    EXPECT_FALSE(CanPassTraffic(2));
    EXPECT_FALSE(CanPassTraffic(0));
}

// A machine whose interfaces the test changes, and the line as reading the whole table on every
// refresh gives it: what the network line must show.
class NetworkMachine {
public:
    explicit NetworkMachine(InterfaceEntryLayout layout) { source.layout = layout; }

    void Publish() { source.table = BuildInterfaceTable(interfaces); }
    // Calls both and expects the same line and totals; false when they differ.
    bool SameLine() {
        const OctetTotals totals = SumInterfaceOctets(source.table);
        const std::string expected = reference.Line(totals.Received, totals.Sent);
        const std::string shown = activity.Status();
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(activity.BytesReceived(), totals.Received);
        EXPECT_EQ(activity.BytesSent(), totals.Sent);
        return shown == expected && activity.BytesReceived() == totals.Received && activity.BytesSent() == totals.Sent;
    }

    std::vector<InterfaceOctets> interfaces;
    FakeInterfaceTable source;
    NetworkActivity activity{source};
    NetworkMarks reference;
};

class NetworkEntries : public testing::TestWithParam<InterfaceEntryLayout> {};

INSTANTIATE_TEST_SUITE_P(Layouts, NetworkEntries,
                         testing::Values(InterfaceEntryLayout::IfRow, InterfaceEntryLayout::IfRow2));

TEST_P(NetworkEntries, BetweenReadingsOfTheTableOnlyInterfacesThatPassTrafficAreAskedAndTheLineIsTheSame) {
    NetworkMachine machine(GetParam());
    // Loopback and Ethernet pass traffic; a disconnected and a disabled interface keep old counters,
    // one of them so high that adding it overflows once the others have grown.
    machine.interfaces = {{1000, 1000}, {0x7FFF0000u, 0xFFFF0000u}, {0x20000, 0x30000, 2}, {0xFFFFFF00u, 40, 0}};
    std::mt19937 random(12);
    constexpr int kCalls = 200;
    for (int call = 0; call < kCalls; ++call) {
        for (size_t live = 0; live < 2; ++live) {
            // Still, a little, a lot: counters cross 2^31 and wrap past 2^32, sums overflow.
            const uint32_t step[] = {0, 1, 1500, 0x00100000};
            machine.interfaces[live].received += step[random() % 4];
            machine.interfaces[live].sent += step[random() % 4];
        }
        machine.Publish();
        ASSERT_TRUE(machine.SameLine()) << "call " << call;
    }
    EXPECT_EQ(machine.source.reads, kCalls / NetworkActivity::kRefreshesPerTableReading);
    EXPECT_EQ(machine.source.sizeQueries, 1);
    EXPECT_EQ(machine.source.entryReads, 2 * (kCalls - machine.source.reads));
}

TEST_P(NetworkEntries, AGoneInterfaceOrAFailedEntryHasTheTableReadAtOnce) {
    NetworkMachine machine(GetParam());
    machine.interfaces = {{100, 100}, {200, 200, 5, 4}, {300, 300, 5, 9}};
    machine.Publish();
    ASSERT_TRUE(machine.SameLine());
    ASSERT_TRUE(machine.SameLine());

    machine.interfaces.erase(machine.interfaces.begin() + 1);
    machine.Publish();
    const int readsBefore = machine.source.reads;
    EXPECT_TRUE(machine.SameLine());  // total down: bars, the lower totals the new reference
    EXPECT_EQ(machine.source.reads, readsBefore + 1);

    // An entry that cannot be read: the table gives the line, on every refresh while that lasts;
    // once the entries answer again, the table waits for its turn.
    for (const auto& [status, reads] : {std::pair{31, 2}, std::pair{0, 0}}) {
        machine.source.entryStatus = status;
        const int readsAtStart = machine.source.reads;
        machine.interfaces[0].received += 5;
        machine.Publish();
        EXPECT_TRUE(machine.SameLine());
        EXPECT_TRUE(machine.SameLine());
        EXPECT_EQ(machine.source.reads, readsAtStart + reads) << status;
    }
}

TEST_P(NetworkEntries, AnInterfaceThatAppearsOrStartsPassingTrafficCountsFromTheNextReading) {
    NetworkMachine machine(GetParam());
    machine.interfaces = {{100, 100}, {5000, 5000, 2}};
    machine.Publish();
    ASSERT_TRUE(machine.SameLine());

    // The disconnected interface comes up and receives; a new one appears and sends.
    machine.interfaces[1].operStatus = 5;
    machine.interfaces.push_back({0, 0, 5, 77});
    int calls = 1;
    for (; calls < NetworkActivity::kRefreshesPerTableReading; ++calls) {
        machine.interfaces[1].received += 10;
        machine.interfaces[2].sent += 10;
        machine.Publish();
        EXPECT_EQ(machine.activity.Status(), Line("|", "|"));  // nothing of theirs counts yet
        EXPECT_EQ(machine.activity.BytesReceived(), 5100);
    }
    machine.interfaces[1].received += 10;
    machine.Publish();
    EXPECT_TRUE(machine.SameLine());  // the reading: both count from here on
    machine.interfaces[1].received += 10;
    machine.interfaces[2].sent += 10;
    machine.Publish();
    EXPECT_TRUE(machine.SameLine());
    EXPECT_EQ(machine.activity.BytesSent(), 5100 + 250);
}

TEST(NetworkEntriesOfRow2, AnIndexTakenOverByAnotherInterfaceHasTheTableRead) {
    NetworkMachine machine(InterfaceEntryLayout::IfRow2);
    machine.interfaces = {{100, 100}, {200, 200}};
    machine.Publish();
    ASSERT_TRUE(machine.SameLine());
    ASSERT_TRUE(machine.SameLine());  // from here on the entry names the interface by its LUID

    machine.source.luids[2] = 0x0006'0000'0000'1234ull;  // index 2 now belongs to another interface
    machine.interfaces[1] = {50, 60};
    machine.Publish();
    const int readsBefore = machine.source.reads;
    EXPECT_TRUE(machine.SameLine());
    EXPECT_EQ(machine.source.reads, readsBefore + 1);
}

TEST_P(NetworkEntries, AFailedReadingCountsAsZeroAndTheTableIsReadAgainAtTheNextRefresh) {
    NetworkMachine machine(GetParam());
    machine.interfaces = {{100, 100}};
    machine.Publish();
    for (int call = 0; call < NetworkActivity::kRefreshesPerTableReading; ++call) ASSERT_TRUE(machine.SameLine());

    machine.source.readStatus = 1;
    EXPECT_EQ(machine.activity.Status(), Line("|", "|"));
    EXPECT_EQ(machine.activity.BytesReceived(), 0);
    machine.source.readStatus = 0;
    const int readsBefore = machine.source.reads;
    EXPECT_EQ(machine.activity.Status(), Line("\\", "\\"));
    EXPECT_EQ(machine.source.reads, readsBefore + 1);
    EXPECT_EQ(machine.activity.BytesReceived(), 100);
}

}  // namespace
}  // namespace kelvor
