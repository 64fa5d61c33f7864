#pragma once
// The display's dots per inch (LOGPIXELSX or LOGPIXELSY); twips per pixel are 1440 divided by it.

#include <windows.h>

#include "win32/gdi_scopes.h"

namespace kelvor::win32 {

inline int ScreenDotsPerInch(int index) {
    const WindowDc screen(nullptr);
    const int dots = GetDeviceCaps(screen.Get(), index);
    return dots > 0 ? dots : 96;
}

}  // namespace kelvor::win32
