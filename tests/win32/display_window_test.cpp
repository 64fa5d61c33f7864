#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "common/run_time_error.h"
#include "display/info_block.h"
#include "host/main_form.h"
#include "win32/display_window.h"
#include "win32/gdi_scopes.h"
#include "win32/win_saver_platform.h"

namespace kelvor::win32 {
namespace {

class ScopedWindow {
public:
    explicit ScopedWindow(HWND window) : window_(window) {}
    ScopedWindow(const ScopedWindow&) = delete;
    ScopedWindow& operator=(const ScopedWindow&) = delete;
    ~ScopedWindow() { DestroyWindow(window_); }
    HWND Get() const { return window_; }

private:
    HWND window_;
};

// The information block measured by a real window's fonts.
struct MeasuredBlock {
    DisplayWindow window{GetModuleHandleA(nullptr)};
    InfoBlock block{window};

    void SetFontSize(double points) {
        FontDescription font = block.Font(InfoLabel::Info);
        font.size = points;
        block.SetFont(InfoLabel::Info, font);
    }
};

TEST(DisplayWindow, LabelsSizeThemselvesAndBreakLinesOnALoneCarriageReturn) {
    MeasuredBlock measured;
    InfoBlock& block = measured.block;
    measured.SetFontSize(12);
    block.SetText(InfoLabel::Info, "Kelvor");
    const float oneLine = block.LabelHeight(InfoLabel::Info);
    const float narrow = block.LabelWidth(InfoLabel::Info);
    EXPECT_GT(oneLine, 0.0f);
    block.SetText(InfoLabel::Info, "Kelvor\rKelvor Screen Saver");
    EXPECT_FLOAT_EQ(block.LabelHeight(InfoLabel::Info), 2 * oneLine);
    EXPECT_GT(block.LabelWidth(InfoLabel::Info), narrow);
    // A value no font can take is refused and leaves the size as it was.
    EXPECT_THROW(measured.SetFontSize(0), RunTimeError);
    EXPECT_FLOAT_EQ(block.LabelHeight(InfoLabel::Info), 2 * oneLine);
}

// The saver started in preview mode inside a 152 x 112 pane of this process.
struct Preview {
    ScopedWindow pane{CreateWindowExA(0, "STATIC", "pane", WS_POPUP | WS_VISIBLE, 100, 100, 152, 112, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr)};
    WinSaverPlatform platform;
    ProgramState state;
    DisplayWindow window{GetModuleHandleA(nullptr)};
    MainForm form{state, window, window, platform, platform};

    StartMode Start() {
        window.Attach(form);
        return form.Load("/p " + std::to_string(reinterpret_cast<intptr_t>(pane.Get())));
    }
};

TEST(DisplayWindow, PreviewIsAChildFillingThePaneWithHalvedFonts) {
    Preview preview;
    ASSERT_NE(preview.pane.Get(), nullptr);
    ASSERT_EQ(preview.Start(), StartMode::Preview);
    const ScopedWindow& pane = preview.pane;
    const ProgramState& state = preview.state;
    DisplayWindow& window = preview.window;

    EXPECT_EQ(GetParent(window.Handle()), pane.Get());
    RECT placed{};
    GetWindowRect(window.Handle(), &placed);
    MapWindowPoints(HWND_DESKTOP, pane.Get(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.right, 152);
    EXPECT_EQ(placed.bottom, 112);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));

    MeasuredBlock fullSize;
    fullSize.SetFontSize(state.Settings.FontSize);
    fullSize.block.SetText(InfoLabel::Info, "Kelvor Screen Saver");
    InfoBlock& halved = preview.form.Block();
    halved.SetText(InfoLabel::Info, "Kelvor Screen Saver");
    EXPECT_NEAR(fullSize.block.LabelHeight(InfoLabel::Info) / halved.LabelHeight(InfoLabel::Info), 2.0, 0.4);
    EXPECT_NEAR(fullSize.block.LabelWidth(InfoLabel::Info) / halved.LabelWidth(InfoLabel::Info), 2.0, 0.4);
    window.Destroy();
}

// The bounding box of what differs from the background in the window's client area, as drawn.
std::optional<RECT> DrawnBlock(HWND window, COLORREF background) {
    RECT client{};
    GetClientRect(window, &client);
    const WindowDc windowDc(window);
    const MemoryDc memoryDc(CreateCompatibleDC(windowDc.Get()));
    const ScopedBitmap bitmap(CreateCompatibleBitmap(windowDc.Get(), client.right, client.bottom));
    const ScopedSelect selected(memoryDc.Get(), bitmap.Get());
    BitBlt(memoryDc.Get(), 0, 0, client.right, client.bottom, windowDc.Get(), 0, 0, SRCCOPY);
    RECT box{client.right, client.bottom, -1, -1};
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            if (GetPixel(memoryDc.Get(), x, y) == background) continue;
            box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                   std::max<LONG>(box.bottom, y + 1)};
        }
    }
    if (box.right < 0) return std::nullopt;
    return box;
}

TEST(DisplayWindow, APreviewDrawsItsBlockMovingForEveryAnimationButStationary) {
    for (int32_t option = 0; option <= 4; ++option) {
        SCOPED_TRACE(option);
        Preview preview;
        ASSERT_EQ(preview.Start(), StartMode::Preview);
        preview.state.Settings.MoveOption = option;
        const COLORREF background = static_cast<COLORREF>(preview.state.Settings.BgColour);
        DisplayWindow& window = preview.window;

        std::optional<RECT> first;
        int moves = 0;
        // 110 ticks: eleven seconds of the saver, two jumps of "Random Jumping".
        for (int tick = 0; tick < 110; ++tick) {
            window.Tick();
            const std::optional<RECT> block = DrawnBlock(window.Handle(), background);
            ASSERT_TRUE(block.has_value()) << "nothing drawn after tick " << tick;
            if (!first) {
                first = block;
            } else if (block->left != first->left || block->top != first->top) {
                // Same height wherever it is: no trail, no second copy.
                EXPECT_NEAR(block->bottom - block->top, first->bottom - first->top, 1);
                ++moves;
            }
        }
        if (option == 4) {
            EXPECT_EQ(moves, 0);
        } else {
            EXPECT_GT(moves, 0);
        }
        window.Destroy();
    }
}

TEST(DisplayWindow, APreviewWithoutAPaneEndsAtOnce) {
    WinSaverPlatform platform;
    ProgramState state;
    DisplayWindow window(GetModuleHandleA(nullptr));
    MainForm form(state, window, window, platform, platform);
    window.Attach(form);
    EXPECT_EQ(form.Load("/p"), StartMode::Ended);
    EXPECT_EQ(form.Load("/p 12345"), StartMode::Ended);
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
}

}  // namespace
}  // namespace kelvor::win32
