#pragma once
// What the display window's logic needs of the system beyond its own window.

#include <cstdint>
#include <memory>
#include <string>

#include "host/password_services.h"
#include "probes/processor_load_sampler.h"
#include "settings/registry.h"

namespace kelvor {

struct DesktopBounds;
struct OsCapabilities;

class SaverPlatform {
public:
    virtual ~SaverPlatform() = default;

    // Start-up, in the order the load sequence calls them.
    virtual uint32_t RandomSeed() = 0;
    virtual void ReadOSVersion(OsCapabilities& os) = 0;
    virtual std::string ReadComputerName() = 0;
    virtual std::unique_ptr<ProcessorLoadSampler> CreateCpuSampler() = 0;
    virtual void GetDesktopBounds(bool hasMultiMonitor, DesktopBounds& bounds) = 0;

    // A top-level window with exactly this title exists.
    virtual bool TopLevelWindowExists(const std::string& title) = 0;
    // Tells a 9x-family system whether a screen saver is running.
    virtual void SetScreenSaverRunning(bool running) = 0;
    // The registry that holds the settings and the user's desktop options.
    virtual Registry& SystemRegistry() = 0;
    virtual PasswordServices& Passwords() = 0;
    // An error box with an OK button only.
    virtual void ShowCriticalError(const std::string& title, const std::string& text) = 0;
};

}  // namespace kelvor
