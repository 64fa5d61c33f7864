#include "probes/proc_stat.h"

#include <algorithm>

#include "common/run_time_error.h"

namespace kelvor {

namespace {

// user, nice, system, idle, iowait, irq, softirq, steal: what the processor's time is made of. The
// guest times after them are already counted in user and nice.
constexpr size_t kTimesCounted = 8;
constexpr size_t kTimesRequired = 4;
constexpr size_t kIdle = 3;
constexpr size_t kIoWait = 4;
constexpr std::string_view kProcessorPrefix = "cpu";

// "cpu" and a digit: a processor's line. The summary of all processors is "cpu" and a blank.
bool IsProcessorLine(std::string_view line) {
    return line.size() > kProcessorPrefix.size() && line.starts_with(kProcessorPrefix) &&
           line[kProcessorPrefix.size()] >= '0' && line[kProcessorPrefix.size()] <= '9';
}

std::optional<ProcStatProcessor> ReadProcessorLine(std::string_view line) {
    line.remove_prefix(kProcessorPrefix.size());
    uint64_t number = 0;
    if (!TakeNumber(line, number) || number > UINT32_MAX) return std::nullopt;
    ProcStatProcessor processor{static_cast<uint32_t>(number)};
    size_t count = 0;
    uint64_t time = 0;
    while (count < kTimesCounted && TakeNumber(line, time)) {
        if (__builtin_add_overflow(processor.elapsed, time, &processor.elapsed)) return std::nullopt;
        if (count == kIdle || count == kIoWait) processor.idle += time;  // no larger than elapsed
        ++count;
    }
    if (count < kTimesRequired) return std::nullopt;
    // Whatever comes after the counted times must still be numbers.
    while (TakeNumber(line, time)) {
    }
    SkipBlanks(line);
    if (!line.empty()) return std::nullopt;
    return processor;
}

}  // namespace

std::optional<std::vector<ProcStatProcessor>> ReadProcStat(std::string_view text) {
    std::vector<ProcStatProcessor> processors;
    while (!text.empty()) {
        const std::string_view line = TakeLine(text);
        if (!IsProcessorLine(line)) continue;
        const std::optional<ProcStatProcessor> processor = ReadProcessorLine(line);
        if (!processor) return std::nullopt;
        const bool seen = std::any_of(processors.begin(), processors.end(),
                                      [&](const ProcStatProcessor& p) { return p.number == processor->number; });
        if (seen) return std::nullopt;
        processors.push_back(*processor);
    }
    if (processors.empty()) return std::nullopt;
    return processors;
}

std::string ProcStatLoadMonitor::LoadText() {
    if (!stat_.Read(text_)) return "CPU query failed";
    const std::optional<std::vector<ProcStatProcessor>> processors = ReadProcStat(text_);
    if (!processors) return "CPU query failed";

    const bool sameSet = std::equal(numbers_.begin(), numbers_.end(), processors->begin(), processors->end(),
                                    [](uint32_t number, const ProcStatProcessor& p) { return number == p.number; });
    if (!sameSet) {
        numbers_.clear();
        for (const ProcStatProcessor& processor : *processors) numbers_.push_back(processor.number);
        readings_.assign(processors->size(), {});
    }
    for (size_t i = 0; i < processors->size(); ++i) {
        readings_[i].idle.Record((*processors)[i].idle);
        readings_[i].elapsed.Record((*processors)[i].elapsed);
    }
    // Counts that went backwards can give a share beyond any whole number: that reading fails, as
    // on Windows, and the next one is measured from it.
    try {
        loads_.clear();
        for (const ProcessorReadings& readings : readings_) loads_.push_back(readings.BusyPercent());
        return ProcessorLoadText(loads_);
    } catch (const RunTimeError&) {
        return "CPU query failed";
    }
}

}  // namespace kelvor
