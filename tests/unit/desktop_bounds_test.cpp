#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "animation/desktop_bounds.h"
#include "animation/layout_cache.h"
#include "fakes/fake_display_layout.h"

namespace kelvor {
namespace {

using Device = FakeDisplayLayout::Device;
constexpr uint32_t kAttached = DisplayLayout::kAttachedToDesktop;

// Left, right, top, bottom, from bounds that start at 0 as the program's do.
std::array<int32_t, 4> Bounds(FakeDisplayLayout& layout, bool hasMultiMonitor = true) {
    int32_t left = 0, right = 0, top = 0, bottom = 0;
    GetDesktopBounds(layout, hasMultiMonitor, left, right, top, bottom);
    return {left, right, top, bottom};
}

TEST(GetDesktopBounds, OneMonitorGivesItsRectangle) {
    FakeDisplayLayout layout;
    layout.devices = {Device{"\\\\.\\DISPLAY1", kAttached | 0x4, PixelPoint{0, 0}, {}}};
    layout.monitors = {{0, 0, 1024, 768}};
    EXPECT_EQ(Bounds(layout), (std::array<int32_t, 4>{0, 1024, 0, 768}));
}

TEST(GetDesktopBounds, ListsEachMonitorOnceAndThePrimaryScreenWhereItFallsBack) {
    FakeDisplayLayout layout;
    layout.desktop = {0, 0, 1280, 1024};
    // The third device's mode cannot be read: it is looked up where the second one was.
    layout.devices = {Device{"A", kAttached, PixelPoint{-1024, 0}, {}}, Device{"B", kAttached, PixelPoint{0, 0}, {}},
                      Device{"C", kAttached, {}, {}}};
    layout.monitors = {{0, 0, 1280, 1024}, {-1024, 0, 0, 768}};
    int32_t left = 0, right = 0, top = 0, bottom = 0;
    std::vector<PixelRect> monitors;
    GetDesktopBounds(layout, true, left, right, top, bottom, monitors);
    EXPECT_EQ(monitors, (std::vector<PixelRect>{{-1024, 0, 0, 768}, {0, 0, 1280, 1024}}));
    EXPECT_EQ(PrimaryMonitor(monitors), 1u);

    left = right = top = bottom = 0;
    GetDesktopBounds(layout, false, left, right, top, bottom, monitors);
    EXPECT_EQ(monitors, (std::vector<PixelRect>{{0, 0, 1280, 1024}}));
    EXPECT_EQ(PrimaryMonitor(monitors), 0u);
}

TEST(GetDesktopBounds, CoversMonitorsLeftOfAndBelowThePrimary) {
    FakeDisplayLayout layout;
    layout.desktop = {0, 0, 1280, 1024};
    layout.devices = {Device{"A", kAttached, PixelPoint{0, 0}, {}}, Device{"B", kAttached, PixelPoint{-1024, 0}, {}}};
    layout.monitors = {{0, 0, 1280, 1024}, {-1024, 0, 0, 768}};
    EXPECT_EQ(Bounds(layout), (std::array<int32_t, 4>{-1024, 1280, 0, 1024}));

    // Only below: Left stays 0 but Right is not, so there is no fallback to the primary screen.
    layout.devices[1].current = PixelPoint{0, 1024};
    layout.monitors[1] = {0, 1024, 1024, 1792};
    EXPECT_EQ(Bounds(layout), (std::array<int32_t, 4>{0, 1280, 0, 1792}));
}

TEST(GetDesktopBounds, MirroringAndDetachedDevicesAddNothing) {
    FakeDisplayLayout layout;
    layout.devices = {Device{"primary", kAttached, PixelPoint{0, 0}, {}},
                      Device{"mirror", kAttached | DisplayLayout::kMirroringDriver, PixelPoint{1024, 0}, {}},
                      Device{"detached", 0, PixelPoint{-800, 0}, {}}};
    layout.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}, {-800, 0, 0, 600}};
    EXPECT_EQ(Bounds(layout), (std::array<int32_t, 4>{0, 1024, 0, 768}));
    // The mirroring driver's mode is not even read; the detached device's is.
    ASSERT_EQ(layout.modeReads.size(), 2u);
    EXPECT_EQ(layout.modeReads[1].name, "detached");
    EXPECT_EQ(layout.monitorLookups.size(), 1u);
}

TEST(GetDesktopBounds, AnUnreadableModeFallsBackToTheRegistryAndThenToThePreviousPosition) {
    FakeDisplayLayout layout;
    layout.desktop = {0, 0, 1280, 1024};
    layout.devices = {Device{"left", kAttached, {}, PixelPoint{-1024, 0}},
                      Device{"unreadable", kAttached, {}, {}}};
    layout.monitors = {{0, 0, 1280, 1024}, {-1024, 0, 0, 768}};
    EXPECT_EQ(Bounds(layout), (std::array<int32_t, 4>{-1024, 0, 0, 768}));
    ASSERT_EQ(layout.modeReads.size(), 4u);
    EXPECT_EQ(layout.modeReads[0].modeNumber, DisplayLayout::kCurrentSettings);
    EXPECT_EQ(layout.modeReads[1].modeNumber, DisplayLayout::kRegistrySettings);
    ASSERT_EQ(layout.monitorLookups.size(), 2u);
    EXPECT_EQ(layout.monitorLookups[1].x, -1024);  // the record still holds the first device's position

    // A first device that cannot be read is looked up at (0, 0).
    layout.devices = {Device{"unreadable", kAttached, {}, {}}};
    layout.monitorLookups.clear();
    EXPECT_EQ(Bounds(layout), (std::array<int32_t, 4>{0, 1280, 0, 1024}));
    ASSERT_EQ(layout.monitorLookups.size(), 1u);
    EXPECT_EQ(layout.monitorLookups[0].x, 0);
}

TEST(GetDesktopBounds, FallsBackToThePrimaryScreen) {
    // No monitor found at all, and a system without the multi-monitor calls.
    FakeDisplayLayout layout;
    layout.devices = {Device{"nowhere", kAttached, PixelPoint{5000, 5000}, {}}};
    layout.monitors = {{0, 0, 1024, 768}};
    EXPECT_EQ(Bounds(layout), (std::array<int32_t, 4>{0, 1024, 0, 768}));

    layout.devices = {Device{"left", kAttached, PixelPoint{-1024, 0}, {}}};
    layout.monitors = {{-1024, -200, 0, 568}};
    layout.modeReads.clear();
    EXPECT_EQ(Bounds(layout, false), (std::array<int32_t, 4>{0, 1024, 0, 768}));
    EXPECT_TRUE(layout.modeReads.empty());

    int32_t left = -5, right = 7, top = -5, bottom = 7;
    FakeDisplayLayout untouched;
    GetDesktopBounds(untouched, false, left, right, top, bottom);
    EXPECT_EQ((std::array<int32_t, 4>{left, right, top, bottom}), (std::array<int32_t, 4>{0, 1024, 0, 768}));
}

TEST(LayoutCache, SeesEveryMonitorChangeAlsoWithinTheSameBounds) {
    // A 1280 x 1024 primary and a 1024 x 768 secondary right of it: bounds 2304 x 1024.
    FakeDisplayLayout layout;
    layout.desktop = {0, 0, 1280, 1024};
    layout.devices = {Device{"A", kAttached, PixelPoint{0, 0}, {}}, Device{"B", kAttached, PixelPoint{1280, 0}, {}}};
    layout.monitors = {{0, 0, 1280, 1024}, {1280, 0, 2304, 768}};
    LayoutCache cache;
    EXPECT_TRUE(cache.Update(layout));
    EXPECT_FALSE(cache.Update(layout));

    // Each keeps the bounds, the monitor count and the primary's size.
    const std::vector<std::pair<PixelPoint, PixelRect>> changes{
        {{1280, 256}, {1280, 256, 2304, 1024}},  // the secondary moved down
        {{1504, 0}, {1504, 0, 2304, 600}},       // and made smaller, still reaching the right edge
        {{1280, 0}, {1280, 0, 2304, 768}},       // back as it was
    };
    for (const auto& [position, secondary] : changes) {
        layout.devices[1].current = position;
        layout.monitors[1] = secondary;
        EXPECT_TRUE(cache.Update(layout)) << secondary.left << "," << secondary.top;
        EXPECT_FALSE(cache.Update(layout)) << "the same change seen twice";
    }
}

}  // namespace
}  // namespace kelvor
