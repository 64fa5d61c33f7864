#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "animation/desktop_bounds.h"
#include "win32/win_display_layout.h"

namespace kelvor::win32 {
namespace {

TEST(WinDisplayLayout, DesktopBoundsCoverTheScreen) {
    WinDisplayLayout layout;
    const int32_t screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int32_t screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_GT(screenWidth, 0);

    int32_t left = 0, right = 0, top = 0, bottom = 0;
    GetDesktopBounds(layout, false, left, right, top, bottom);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(right, screenWidth);
    EXPECT_EQ(bottom, screenHeight);

    // Through the monitor calls: the virtual screen, which holds the primary screen.
    left = right = top = bottom = 0;
    GetDesktopBounds(layout, true, left, right, top, bottom);
    EXPECT_EQ(left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(right - left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(bottom - top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_GE(right, screenWidth);
    EXPECT_GE(bottom, screenHeight);
}

TEST(WinDisplayLayout, ReportsAttachedDevicesAndTheirMonitors) {
    WinDisplayLayout layout;
    DisplayDevice device;
    bool sawAttached = false;
    for (uint32_t index = 0; layout.DisplayDeviceAt(index, device); ++index) {
        EXPECT_FALSE(device.name.empty());
        if ((device.stateFlags & DisplayLayout::kAttachedToDesktop) == 0) continue;
        sawAttached = true;
        PixelPoint position{-99999, -99999};
        ASSERT_TRUE(layout.ReadDisplayMode(device.name, DisplayLayout::kCurrentSettings, position));
        PixelRect monitor;
        ASSERT_TRUE(layout.MonitorRectAt(position, monitor));
        EXPECT_EQ(monitor.left, position.x);
        EXPECT_EQ(monitor.top, position.y);
    }
    EXPECT_TRUE(sawAttached);

    // An unknown device leaves the mode record's position as it was; no monitor lies far away.
    PixelPoint kept{123, 456};
    EXPECT_FALSE(layout.ReadDisplayMode("\\\\.\\NOSUCHDISPLAY9", DisplayLayout::kCurrentSettings, kept));
    EXPECT_EQ(kept.x, 123);
    EXPECT_EQ(kept.y, 456);
    PixelRect nowhere;
    EXPECT_FALSE(layout.MonitorRectAt(PixelPoint{-1000000, -1000000}, nowhere));
}

}  // namespace
}  // namespace kelvor::win32
