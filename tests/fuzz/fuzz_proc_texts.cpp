// Feeds arbitrary text to the parsers of the kernel's /proc files, of os-release and the kernel's
// release, and to the Linux processor and network lines. The input, cut in two, gives the two readings the samplers compare.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fakes/fake_kernel_text.h"
#include "fakes/fake_locale.h"
#include "probes/os_release.h"
#include "probes/proc_meminfo.h"
#include "probes/proc_net_dev.h"
#include "probes/proc_stat.h"
#include "probes/proc_uptime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ReadProcStat(text);
    ReadNetDevTotals(text);
    ReadUptimeNanoseconds(text);
    OsReleaseValue(text, "PRETTY_NAME");
    KernelVersion(text);
    FakeKernelText file;
    FakeLocale locale;
    file.text = std::string(text);
    CommittedMemoryText(file, locale);

    FakeKernelText stat;
    FakeKernelText netDev;
    ProcStatLoadMonitor load(stat);
    ProcNetDevActivity network(netDev);
    for (const std::string_view reading : {text.substr(0, size / 2), text.substr(size / 2)}) {
        stat.text = netDev.text = std::string(reading);
        load.LoadText();
        network.Status();
    }
    return 0;
}
