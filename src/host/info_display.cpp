#include "host/info_display.h"

#include "animation/timer_interval.h"
#include "common/continue_on_error.h"
#include "common/date_time_format.h"

namespace kelvor {

namespace {

constexpr int32_t kRefreshTicksPerSecond = static_cast<int32_t>((1000 + kTimerIntervalMs / 2) / kTimerIntervalMs);

// Starts a new line unless the text is still empty; lines are joined with a lone carriage return.
void StartLine(std::string& text) {
    if (!text.empty()) text += '\r';
}

// The label properties that the settings style, in their order.
using FontProperty = void (*)(FontDescription&, const SaverSettings&);
constexpr FontProperty kStyledProperties[] = {
    [](FontDescription& f, const SaverSettings& s) { f.name = s.FontName; },
    [](FontDescription& f, const SaverSettings& s) { f.bold = s.FontBold; },
    [](FontDescription& f, const SaverSettings& s) { f.italic = s.FontItalic; },
    [](FontDescription& f, const SaverSettings& s) { f.strikethru = s.FontStrikethru; },
    [](FontDescription& f, const SaverSettings& s) { f.underline = s.FontUnderline; },
    [](FontDescription& f, const SaverSettings& s) { f.size = s.FontSize; },
    [](FontDescription& f, const SaverSettings& s) { f.colour = s.FontColour; },
};

}  // namespace

void InfoDisplay::StyleLabels() {
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        for (const FontProperty property : kStyledProperties) {
            FontDescription font = block_.Font(label);
            property(font, state_.Settings);
            ContinueOnError([&] { block_.SetFont(label, font); });
        }
    }
}

void InfoDisplay::HideLabels() {
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        block_.SetVisible(label, false);
        block_.SetText(label, "");
    }
}

void InfoDisplay::Start() {
    block_.SetBackColour(state_.Settings.BgColour);
    block_.SetBlockBackColour(block_.BackColour());
    StyleLabels();
    HideLabels();
}

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
        // Many processors' figures go on as many lines as it takes to fit the primary monitor.
        static constexpr std::string_view kCpuCaption = "CPU usage: ";
        text += block_.WrapToPrimaryWidth(InfoLabel::Info, std::string(kCpuCaption) + state_.CpuSampler->LoadText(),
                                          kCpuCaption.size());
    }
    return text.empty() ? ";-)" : text;
}

void InfoDisplay::UpdateInfo() {
    block_.SetText(InfoLabel::Info, ComposeInfoText());
    block_.FitToText();
    block_.RepaintNow();
}

}  // namespace kelvor
