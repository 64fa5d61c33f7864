#pragma once
// A display area with an information panel, all in twips, that records how the panel was moved.

#include <cstdint>
#include <vector>

#include "animation/mover_surface.h"

namespace kelvor {

class FakeMoverSurface final : public MoverSurface {
public:
    float AreaWidth() const override { return areaWidth; }
    float AreaHeight() const override { return areaHeight; }
    float PanelWidth() const override { return panelWidth; }
    float PanelHeight() const override { return panelHeight; }
    float Left() const override { return left; }
    float Top() const override { return top; }

    void Move(float newLeft, float newTop) override {
        left = newLeft;
        top = newTop;
        ++moves;
    }
    void SetLeft(float newLeft) override {
        left = newLeft;
        setLefts.push_back(newLeft);
    }
    void SetTop(float newTop) override {
        top = newTop;
        setTops.push_back(newTop);
    }

    int32_t DesktopLeft() const override { return desktopLeft; }
    int32_t DesktopTop() const override { return desktopTop; }
    double TwipsPerPixelX() const override { return twipsPerPixelX; }
    double TwipsPerPixelY() const override { return twipsPerPixelY; }
    const MonitorLayout& Monitors() const override { return monitors; }

    // A 1280 x 1024 pixel screen at 15 twips per pixel, the panel at its design position.
    float areaWidth = 19200.0f;
    float areaHeight = 15360.0f;
    float panelWidth = 3000.0f;
    float panelHeight = 1500.0f;
    float left = 240.0f;
    float top = 240.0f;
    int32_t desktopLeft = 0;
    int32_t desktopTop = 0;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
    MonitorLayout monitors;  // none: the area is one monitor

    int moves = 0;
    std::vector<float> setLefts;
    std::vector<float> setTops;
};

}  // namespace kelvor
