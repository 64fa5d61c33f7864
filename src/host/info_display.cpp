#include "host/info_display.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/continue_on_error.h"
#include "common/date_time_format.h"
#include "display/window_fit.h"

namespace kelvor {

namespace {

constexpr double kNetworkRefreshesPerSecond = 5.0;

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

void InfoDisplay::SetTickInterval(int32_t microseconds) {
    ticksPerSecond_ = std::max(1, static_cast<int32_t>(std::lround(1e6 / std::max(microseconds, 1))));
    ticksPerNetworkRefresh_ =
        std::max(1, static_cast<int32_t>(std::lround(ticksPerSecond_ / kNetworkRefreshesPerSecond)));
    tickCount_ %= ticksPerSecond_;
}

void InfoDisplay::KeepFittedToWindow() {
    fitting_ = true;
    startingSize_ = StartingFontSize(state_.Settings.FontSize, block_.AreaPixels());
    SetFontSizes(startingSize_);
    widest_ = {};
    rebuildsSinceRegrowth_ = 0;
}

void InfoDisplay::WindowResized() {
    if (fitting_) {
        KeepFittedToWindow();
        block_.FitToText();
        ShrinkToWindow();
    }
    if (firstTickDone_ && movers_) movers_->AreaChanged(state_.Settings.MoveOption);
}

void InfoDisplay::SetFontSizes(double size) {
    for (const InfoLabel label : {InfoLabel::Info, InfoLabel::Network}) {
        FontDescription font = block_.Font(label);
        font.size = size;
        ContinueOnError([&] { block_.SetFont(label, font); });
    }
}

void InfoDisplay::ShrinkToWindow() {
    // Text grows about in proportion to its size, so a step or two fit the block; the bound keeps a
    // face that does not scale (a bitmap font) from costing thousands of fonts.
    constexpr int kMostSteps = 32;
    for (int step = 0; step < kMostSteps; ++step) {
        const PixelRect block = block_.BlockPixels();
        const double size = block_.Font(InfoLabel::Info).size;
        const std::optional<double> smaller =
            SmallerFontSize(size, {block.Width(), block.Height()}, block_.AreaPixels());
        if (!smaller) return;
        SetFontSizes(*smaller);
        // A font the platform cannot make at that size leaves the block as it was.
        if (block_.Font(InfoLabel::Info).size == size) return;
        block_.FitToText();
    }
}

void InfoDisplay::FollowWindow() {
    const double size = block_.Font(InfoLabel::Info).size;
    ShrinkToWindow();
    // The widest text since the size last changed (the block is measured at one size throughout).
    const PixelRect block = block_.BlockPixels();
    if (block_.Font(InfoLabel::Info).size != size || block.Width() > widest_.size.width ||
        block.Height() > widest_.size.height) {
        widest_ = {{block.Width(), block.Height()}, block_.Text(InfoLabel::Info)};
    }
    // A line wider for a moment ("100%", "10:00:00") shrinks the text; once a while has passed
    // without it, the size comes back to the one for the widest text of that while. Not sooner, so
    // that a line that is often wide does not make the size go back and forth.
    if (++rebuildsSinceRegrowth_ < kRebuildsPerRegrowth) return;
    rebuildsSinceRegrowth_ = 0;
    const WidestText ofTheWhile =
        std::exchange(widest_, {{block.Width(), block.Height()}, block_.Text(InfoLabel::Info)});
    if (!LargerFontSize(block_.Font(InfoLabel::Info).size, ofTheWhile.size, block_.AreaPixels(), startingSize_)) return;
    block_.SetText(InfoLabel::Info, ofTheWhile.text);
    SetFontSizes(startingSize_);
    block_.FitToText();
    ShrinkToWindow();
    block_.SetText(InfoLabel::Info, widest_.text);
    block_.FitToText();
    widest_.size = {block_.BlockPixels().Width(), block_.BlockPixels().Height()};
}

void InfoDisplay::Tick() {
    const uint8_t items = state_.Settings.DisplayItems;
    const bool showNetwork = (items & kShowNetwork) != 0;
    if (showNetwork && tickCount_ % ticksPerNetworkRefresh_ == 0) {
        if (!state_.NetworkMonitor) state_.NetworkMonitor = sources_.CreateNetworkMonitor();
        block_.SetText(InfoLabel::Network, state_.NetworkMonitor->Status());
    }
    if (tickCount_ == 0) UpdateInfo();
    tickCount_ = (tickCount_ + 1) % ticksPerSecond_;
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
    if ((s.ExtraItems & kShowAddress) != 0) {
        StartLine(text);
        if (!state_.AddressMonitor)
            state_.AddressMonitor = std::make_unique<AddressLine>(sources_.CreateAddressSource());
        // Many addresses go on as many lines as it takes, the caption staying with the first.
        const std::string& line = state_.AddressMonitor->Text();
        text += block_.WrapToPrimaryWidth(InfoLabel::Info, line, line.find(": ") + 2);
    }
    if ((s.ExtraItems & kShowSystem) != 0) {
        StartLine(text);
        if (!systemText_) systemText_ = sources_.SystemText();
        text += "System: " + *systemText_;
    }
    return text.empty() ? ";-)" : text;
}

void InfoDisplay::UpdateInfo() {
    block_.SetText(InfoLabel::Info, ComposeInfoText());
    block_.FitToText();
    if (fitting_) FollowWindow();
    block_.RepaintNow();
}

}  // namespace kelvor
