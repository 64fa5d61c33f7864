#pragma once
// The information block brought to life by the refresh timer: the network line five times a
// second, the text rebuilt once a second from the lines that are switched on, the mover of the
// chosen animation on every tick, and the block revealed on the first tick once the mover has
// placed it. The full-screen saver and its preview share it, and so does the Linux module, whose
// tick can be set and whose window can change its size.

#include <cstdint>
#include <optional>
#include <string>

#include "animation/movers.h"
#include "animation/timer_interval.h"
#include "display/block_surface.h"
#include "display/info_block.h"
#include "host/information_sources.h"
#include "host/program_state.h"

namespace kelvor {

class InfoDisplay {
public:
    InfoDisplay(ProgramState& state, BlockSurface& surface, InformationSources& sources)
        : state_(state), sources_(sources), block_(surface) {
        SetTickInterval(kTimerIntervalMs * 1000);
    }

    InfoBlock& Block() { return block_; }
    const InfoBlock& Block() const { return block_; }
    void SetComputerName(std::string name) { computerName_ = std::move(name); }
    const std::string& ComputerName() const { return computerName_; }

    // Gives both labels the font of the settings, property by property: a value that cannot be
    // applied is skipped and the rest still are.
    void StyleLabels();
    // Empties and hides both labels; the first tick fills, places and reveals them.
    void HideLabels();
    // How a display without a start-up of its own begins: the colours and fonts of the settings,
    // and the labels hidden until the first tick.
    void Start();

    // The refresh tick's interval (kTimerIntervalMs unless set): the network line keeps its five
    // refreshes a second and the text its one, as near as whole ticks allow.
    void SetTickInterval(int32_t microseconds);
    // From here on the block is kept fitted to its window (display/window_fit.h): the fonts start at
    // the size for the window now, a rebuild whose text overhangs makes them smaller, and the size
    // comes back once the text has been narrower for a while.
    void KeepFittedToWindow();
    // The window has a new size or covers new monitors: a block kept fitted starts again from the
    // size for it, and a block already shown follows the new area (Movers::AreaChanged).
    void WindowResized();

    // One tick of the refresh timer.
    void Tick();
    // Rebuilds the information text from the lines that are switched on and sizes the block.
    void UpdateInfo();

private:
    std::string ComposeInfoText();
    void SetFontSizes(double size);
    void ShrinkToWindow();
    // Fits the rebuilt block to the window, and now and then lets the size come back.
    void FollowWindow();

    ProgramState& state_;
    InformationSources& sources_;
    InfoBlock block_;
    // Made on the first tick, once start-up has seeded the random generator.
    std::optional<Movers> movers_;
    std::string computerName_;
    int32_t tickCount_ = 0;
    int32_t ticksPerSecond_;
    int32_t ticksPerNetworkRefresh_;
    bool firstTickDone_ = false;
    bool fitting_ = false;
    double startingSize_ = 0;
    // Rebuilds between two looks at whether the size may come back: five minutes, so it comes back
    // within ten.
    static constexpr int32_t kRebuildsPerRegrowth = 300;
    int32_t rebuildsSinceRegrowth_ = 0;
    struct WidestText {
        PixelSize size;
        std::string text;
    } widest_;
};

}  // namespace kelvor
