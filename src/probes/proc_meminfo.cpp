#include "probes/proc_meminfo.h"

#include "probes/memory_usage.h"

namespace kelvor {

namespace {

constexpr std::string_view kCommittedLabel = "Committed_AS:";

}  // namespace

std::optional<int64_t> ReadCommittedKilobytes(std::string_view text) {
    while (!text.empty()) {
        std::string_view line = TakeLine(text);
        if (!line.starts_with(kCommittedLabel)) continue;
        line.remove_prefix(kCommittedLabel.size());
        uint64_t kilobytes = 0;
        if (!TakeNumber(line, kilobytes) || kilobytes > INT64_MAX) return std::nullopt;
        SkipBlanks(line);
        if (line != "kB") return std::nullopt;
        return static_cast<int64_t>(kilobytes);
    }
    return std::nullopt;
}

std::string CommittedMemoryText(KernelText& meminfo, LocaleInfo& locale) {
    std::string text;
    if (!meminfo.Read(text)) return kMemoryQueryFailed;
    const std::optional<int64_t> kilobytes = ReadCommittedKilobytes(text);
    return kilobytes ? MemoryKilobytesText(*kilobytes, locale) : kMemoryQueryFailed;
}

}  // namespace kelvor
