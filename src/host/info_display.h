#pragma once
// The information block brought to life by the refresh timer: the network line five times a
// second, the text rebuilt once a second from the lines that are switched on, the mover of the
// chosen animation on every tick, and the block revealed on the first tick once the mover has
// placed it. The full-screen saver and its preview share it.

#include <cstdint>
#include <optional>
#include <string>

#include "animation/movers.h"
#include "display/block_surface.h"
#include "display/info_block.h"
#include "host/information_sources.h"
#include "host/program_state.h"

namespace kelvor {

class InfoDisplay {
public:
    InfoDisplay(ProgramState& state, BlockSurface& surface, InformationSources& sources)
        : state_(state), sources_(sources), block_(surface) {}

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

    // One tick of the refresh timer (every kTimerIntervalMs).
    void Tick();
    // Rebuilds the information text from the lines that are switched on and sizes the block.
    void UpdateInfo();

private:
    std::string ComposeInfoText();

    ProgramState& state_;
    InformationSources& sources_;
    InfoBlock block_;
    // Made on the first tick, once start-up has seeded the random generator.
    std::optional<Movers> movers_;
    std::string computerName_;
    int32_t tickCount_ = 0;
    bool firstTickDone_ = false;
};

}  // namespace kelvor
