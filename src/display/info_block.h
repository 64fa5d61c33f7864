#pragma once
// The information block: a borderless panel on the display area holding two labels, the
// information text and the network line below it, which the movers place on every tick. The block
// holds everything that is shown (fonts, colours, texts, which labels show, positions and sizes),
// lays the labels out, and marks for repainting exactly what a change touches; the platform only
// measures text and paints what the block says. Positions and sizes are twips unless they say
// pixels.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "animation/mover_surface.h"
#include "common/font_description.h"
#include "common/geometry.h"
#include "display/block_surface.h"
#include "display/text_lines.h"

namespace kelvor {

class InfoBlock final : public MoverSurface {
public:
    // How both labels look until the settings style them.
    static constexpr const char* kDesignFontName = "Verdana";
    static constexpr double kDesignFontSize = 9.75;
    static constexpr int32_t kDesignTextColour = 0xFFFFFF;
    // Where the panel sits, and how large it is, until the first tick places and sizes it.
    static constexpr float kDesignLeft = 240.0f;
    static constexpr float kDesignTop = 240.0f;
    static constexpr float kDesignWidth = 3015.0f;
    static constexpr float kDesignHeight = 1455.0f;
    // What a font can take: a face name of at most 31 characters, a size above 0 up to 2160 points.
    static constexpr size_t kMaxFontNameLength = 31;
    static constexpr double kMaxFontSize = 2160.0;

    explicit InfoBlock(BlockSurface& surface);
    InfoBlock(const InfoBlock&) = delete;
    InfoBlock& operator=(const InfoBlock&) = delete;

    // The display area's background, and the panel's.
    void SetBackColour(int32_t colour);
    int32_t BackColour() const { return backColour_; }
    void SetBlockBackColour(int32_t colour);
    int32_t BlockBackColour() const { return blockBackColour_; }

    // A label's font and text colour. A name or size that no font can take, or a font the platform
    // cannot make, raises run-time error 380 and the label keeps what it had.
    const FontDescription& Font(InfoLabel label) const { return LabelOf(label).font; }
    void SetFont(InfoLabel label, const FontDescription& font);

    // A label sizes itself to its text; a lone carriage return breaks a line. Only the lines that
    // changed are measured and repainted.
    void SetText(InfoLabel label, const std::string& text);
    const std::string& Text(InfoLabel label) const { return LabelOf(label).text; }
    void SetVisible(InfoLabel label, bool visible);
    bool Visible(InfoLabel label) const { return LabelOf(label).visible; }
    float LabelWidth(InfoLabel label) const;
    float LabelHeight(InfoLabel label) const;
    float LabelTop(InfoLabel label) const { return LabelOf(label).top; }

    // Puts the network line below the text and sizes the panel to hold both: as wide as the wider
    // label, as high as the text plus the network line when that has any text.
    void FitToText();
    void SetSize(float width, float height);
    // Paints whatever is marked at once instead of at the next paint.
    void RepaintNow();

    // The display area's size in pixels.
    PixelSize AreaPixels() const { return surface_.AreaSize(); }

    // The virtual desktop's top-left corner in pixels, for the centring.
    void SetDesktopOrigin(int32_t left, int32_t top);
    // The monitors that show the area (pixels relative to it); the movers keep the panel on them.
    void SetMonitors(MonitorLayout monitors) { monitors_ = std::move(monitors); }
    // A line of blank-separated items broken onto continuation lines where it is wider than the
    // primary monitor (the area when no monitors are known); `keep` leading characters stay with
    // the first item.
    std::string WrapToPrimaryWidth(InfoLabel label, std::string_view line, size_t keep);

    // What the platform paints: the panel in pixels, and each line of the visible labels with its
    // top-left corner in pixels.
    PixelRect BlockPixels() const;
    template <typename Draw>  // Draw(InfoLabel, int32_t x, int32_t y, std::string_view line)
    void ForEachLine(Draw draw) const;

    // MoverSurface
    float AreaWidth() const override;
    float AreaHeight() const override;
    float PanelWidth() const override { return width_; }
    float PanelHeight() const override { return height_; }
    float Left() const override { return left_; }
    float Top() const override { return top_; }
    void Move(float left, float top) override;
    void SetLeft(float left) override { Move(left, top_); }
    void SetTop(float top) override { Move(left_, top); }
    int32_t DesktopLeft() const override { return desktopLeft_; }
    int32_t DesktopTop() const override { return desktopTop_; }
    double TwipsPerPixelX() const override { return surface_.TwipsPerPixelX(); }
    double TwipsPerPixelY() const override { return surface_.TwipsPerPixelY(); }
    const MonitorLayout& Monitors() const override { return monitors_; }

private:
    struct Label {
        FontDescription font;
        std::string text;
        bool visible = true;
        float top = 0.0f;
        PixelSize size;          // of the text in the label's font
        int32_t lineHeight = 0;  // of that font
        std::vector<int32_t> lineWidths;
    };

    Label& LabelOf(InfoLabel label) { return labels_[label == InfoLabel::Info ? 0 : 1]; }
    const Label& LabelOf(InfoLabel label) const { return labels_[label == InfoLabel::Info ? 0 : 1]; }
    void Measure(InfoLabel label);
    int32_t LabelTopPixels(const Label& label, const PixelRect& block) const;
    // The line's row of the label, `width` pixels wide.
    void InvalidateLine(const Label& label, size_t line, int32_t width);
    void InvalidateBlock();

    BlockSurface& surface_;
    std::array<Label, 2> labels_;
    int32_t backColour_ = 0;
    int32_t blockBackColour_ = 0;
    float left_ = kDesignLeft;
    float top_ = kDesignTop;
    float width_ = kDesignWidth;
    float height_ = kDesignHeight;
    int32_t desktopLeft_ = 0;
    int32_t desktopTop_ = 0;
    MonitorLayout monitors_;
};

template <typename Draw>
void InfoBlock::ForEachLine(Draw draw) const {
    const PixelRect block = BlockPixels();
    for (const InfoLabel name : {InfoLabel::Info, InfoLabel::Network}) {
        const Label& label = LabelOf(name);
        if (!label.visible || label.text.empty()) continue;
        int32_t y = LabelTopPixels(label, block);
        ForEachTextLine(label.text, [&](std::string_view line) {
            draw(name, block.left, y, line);
            y += label.lineHeight;
        });
    }
}

}  // namespace kelvor
