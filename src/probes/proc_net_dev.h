#pragma once
// The network line on Linux: the byte totals of the network interfaces from the kernel's
// /proc/net/dev, shown with the same marks as on Windows.

#include <cstdint>
#include <string>
#include <string_view>

#include "probes/kernel_text.h"
#include "probes/network_marks.h"
#include "probes/network_status.h"

namespace kelvor {

struct NetDevTotals {
    int64_t received = 0;
    int64_t sent = 0;
};

// Sums the received and sent bytes of every interface but the loopback ("lo"), which carries no
// traffic to or from the network. The two heading lines are skipped. A damaged interface line (no
// colon, fewer than the nine numbers up to the sent bytes) makes the whole text count as empty
// (totals of 0); an interface whose addition would overflow is left out of that total.
NetDevTotals ReadNetDevTotals(std::string_view text);

class ProcNetDevActivity final : public NetworkStatus {
public:
    // The file must outlive the monitor.
    explicit ProcNetDevActivity(KernelText& netDev) : netDev_(netDev) {}

    // "Network activity: rx: /  tx: |", or "??" when the file cannot be read.
    std::string Status() override;

private:
    KernelText& netDev_;
    std::string text_;
    NetworkMarks marks_;
};

}  // namespace kelvor
