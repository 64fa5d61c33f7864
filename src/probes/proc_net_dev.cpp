#include "probes/proc_net_dev.h"

#include <optional>

namespace kelvor {

namespace {

constexpr int kHeadingLines = 2;
// The numbers of an interface line: bytes, packets, errs, drop, fifo, frame, compressed, multicast
// received, then the same sent; the sent bytes are the ninth.
constexpr int kSentBytesField = 8;

// `line` starts at the interface's name: its leading blanks are already skipped.
std::optional<NetDevTotals> ReadInterfaceLine(std::string_view line, bool& loopback) {
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    loopback = line.substr(0, colon) == "lo";
    line.remove_prefix(colon + 1);
    // Only the two byte counts are read; the numbers between them need only be there.
    uint64_t received = 0;
    uint64_t sent = 0;
    if (!TakeNumber(line, received)) return std::nullopt;
    for (int field = 1; field < kSentBytesField; ++field) {
        if (!SkipNumber(line)) return std::nullopt;
    }
    if (!TakeNumber(line, sent) || received > INT64_MAX || sent > INT64_MAX) return std::nullopt;
    return NetDevTotals{static_cast<int64_t>(received), static_cast<int64_t>(sent)};
}

void AddWithoutOverflow(int64_t& total, int64_t addend) {
    int64_t sum = 0;
    if (!__builtin_add_overflow(total, addend, &sum)) total = sum;
}

}  // namespace

NetDevTotals ReadNetDevTotals(std::string_view text) {
    for (int heading = 0; heading < kHeadingLines; ++heading) TakeLine(text);
    NetDevTotals totals;
    while (!text.empty()) {
        std::string_view line = TakeLine(text);
        SkipBlanks(line);
        if (line.empty()) continue;
        bool loopback = false;
        const std::optional<NetDevTotals> counters = ReadInterfaceLine(line, loopback);
        if (!counters) return {};
        if (loopback) continue;
        AddWithoutOverflow(totals.received, counters->received);
        AddWithoutOverflow(totals.sent, counters->sent);
    }
    return totals;
}

std::string ProcNetDevActivity::Status() {
    if (!netDev_.Read(text_)) return "??";
    const NetDevTotals totals = ReadNetDevTotals(text_);
    return marks_.Line(totals.received, totals.sent);
}

}  // namespace kelvor
