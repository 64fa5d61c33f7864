#include "host/info_display.h"

#include "animation/timer_interval.h"
#include "common/date_time_format.h"

namespace kelvor {

namespace {

constexpr int32_t kRefreshTicksPerSecond = static_cast<int32_t>((1000 + kTimerIntervalMs / 2) / kTimerIntervalMs);

// Starts a new line unless the text is still empty; lines are joined with a lone carriage return.
void StartLine(std::string& text) {
    if (!text.empty()) text += '\r';
}

}  // namespace

void InfoDisplay::Tick() {
    const uint8_t items = state_.Settings.DisplayItems;
    const bool showNetwork = (items & kShowNetwork) != 0;
    if (showNetwork && tickCount_ % 2 == 0) {
        if (!state_.NetworkMonitor) state_.NetworkMonitor = sources_.CreateNetworkMonitor();
        block_.SetText(InfoLabel::Network, state_.NetworkMonitor->Status());
    }
    if (tickCount_ == 0) UpdateInfo();
    tickCount_ = (tickCount_ + 1) % kRefreshTicksPerSecond;
    if (!movers_) movers_.emplace(block_, *state_.Random, state_.IgnoreMouseMoves, state_.Settings.MoveEBRandom);
    movers_->MoveByOption(state_.Settings.MoveOption, firstTickDone_);
    if (!firstTickDone_) {
        block_.SetVisible(InfoLabel::Info, true);
        if (showNetwork) block_.SetVisible(InfoLabel::Network, true);
        firstTickDone_ = true;
    }
}

std::string InfoDisplay::ComposeInfoText() {
    const SaverSettings& s = state_.Settings;
    const uint8_t items = s.DisplayItems;
    std::string text;
    if ((items & kShowDescription) != 0) text = s.Descr;
    if ((items & kShowComputerName) != 0) {
        StartLine(text);
        text += computerName_;
        if ((items & kShowCurrentTime) != 0) text += ":  ";
    }
    if ((items & kShowCurrentTime) != 0) {
        if ((items & kShowComputerName) == 0) StartLine(text);
        text += FormatTimeOfDay(sources_.Now(), s.TimeFormat);
    }
    if ((items & kShowUptime) != 0) {
        StartLine(text);
        text += "up for " + sources_.UptimeText();
    }
    if ((items & kShowStartTime) != 0) {
        StartLine(text);
        text += "up since " + sources_.StartTimeText(s.TimeFormat);
    }
    if ((items & kShowMemory) != 0) {
        StartLine(text);
        text += "Memory usage: " + sources_.MemoryUsageText();
    }
    if ((items & kShowCpu) != 0) {
        StartLine(text);
        text += "CPU usage: " + state_.CpuSampler->LoadText();
    }
    return text.empty() ? ";-)" : text;
}

void InfoDisplay::UpdateInfo() {
    block_.SetText(InfoLabel::Info, ComposeInfoText());
    block_.FitToText();
    block_.RepaintNow();
}

}  // namespace kelvor
