#pragma once
// What the options dialog needs from the system besides its own window: the "Display Properties"
// window it sits over, the shell for links, the font and colour choosers and the wait pointer.

#include <cstdint>
#include <string>

#include "common/font_description.h"
#include "common/geometry.h"

namespace kelvor {

// A top-level window of the system; 0 is none.
using WindowId = uintptr_t;

// Windows font-dialog and colour-dialog flags, as the choosers are asked for them.
inline constexpr uint32_t kCfScreenFonts = 0x1;
inline constexpr uint32_t kCfEffects = 0x100;
inline constexpr uint32_t kCfForceFontExist = 0x10000;
inline constexpr uint32_t kCfNoScriptSel = 0x800000;
inline constexpr uint32_t kCcRgbInit = 0x1;

class OptionsPlatform {
public:
    virtual ~OptionsPlatform() = default;

    // A top-level window of any class with exactly this title, or 0.
    virtual WindowId FindWindowByTitle(const std::string& title) = 0;
    virtual void EnableWindow(WindowId window, bool enabled) = 0;
    // False when the rectangle cannot be read.
    virtual bool GetWindowRect(WindowId window, PixelRect& rect) = 0;

    // Opens a link with the shell ("open", no parameters, shown normally); 0 means failure.
    virtual intptr_t ShellOpen(const std::string& link) = 0;
    // The system's last error code, read right after a call.
    virtual int32_t LastError() = 0;

    // The system's font and colour dialogs, opened preset with `choice` / `colour`. True when the
    // user confirmed, and then `choice` / `colour` hold the new values; false (cancelled or failed)
    // leaves them untouched.
    virtual bool PickFont(const std::string& title, uint32_t flags, FontDescription& choice) = 0;
    virtual bool PickColour(const std::string& title, uint32_t flags, int32_t& colour) = 0;

    // The application-wide hourglass, or back to the default pointer.
    virtual void SetWaitPointer(bool waiting) = 0;
};

}  // namespace kelvor
