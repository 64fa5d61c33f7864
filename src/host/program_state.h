#pragma once
// The one program-wide state object: created at start-up and handed to whoever needs it, so that
// nothing else is global and every test starts clean.

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "common/geometry.h"
#include "common/random_generator.h"
#include "probes/address_line.h"
#include "probes/processor_load_sampler.h"
#include "probes/network_status.h"
#include "probes/os_version.h"
#include "settings/saver_settings.h"

namespace kelvor {

// The virtual desktop in pixels; right and bottom are exclusive. The monitors on it, in the same
// coordinates, with the index of the primary one.
struct DesktopBounds {
    DesktopBounds() = default;
    DesktopBounds(int32_t left, int32_t right, int32_t top, int32_t bottom, std::vector<PixelRect> monitors = {},
                  size_t primary = 0)
        : Left(left), Right(right), Top(top), Bottom(bottom), Monitors(std::move(monitors)), Primary(primary) {}

    int32_t Left = 0;
    int32_t Right = 0;
    int32_t Top = 0;
    int32_t Bottom = 0;
    std::vector<PixelRect> Monitors;
    size_t Primary = 0;
};

struct ProgramState {
    SaverSettings Settings;
    OsCapabilities Os;
    DesktopBounds Desktop;
    // Mouse-move events to swallow because the information block has just moved under the pointer.
    int16_t IgnoreMouseMoves = 0;
    std::unique_ptr<RandomSource> Random;
    std::unique_ptr<ProcessorLoadSampler> CpuSampler;
    std::unique_ptr<NetworkStatus> NetworkMonitor;
    // Made when the address line is first shown, so that the default lines read no address.
    std::unique_ptr<AddressLine> AddressMonitor;

    bool IsNtFamily() const { return Os.Family() == WindowsFamily::Nt; }
};

}  // namespace kelvor
