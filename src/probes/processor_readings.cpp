#include "probes/processor_readings.h"

#include "common/number_format.h"
#include "common/rounding.h"

namespace kelvor {

int32_t ProcessorReadings::BusyPercent() const {
    const int64_t elapsedTime = elapsed.Change();
    if (elapsedTime == 0) return 0;
    return RoundToInt32((1.0 - static_cast<double>(idle.Change()) / static_cast<double>(elapsedTime)) * 100.0);
}

std::string ProcessorLoadText(std::span<const int32_t> loads) {
    std::string text;
    for (const int32_t load : loads) {
        if (!text.empty()) text += ' ';
        text += FormatAtLeastTwoDigits(load) + (loads.size() == 1 ? " %" : "%");
    }
    return text;
}

}  // namespace kelvor
