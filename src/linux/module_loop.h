#pragma once
// The module's run: a tick of the display every refresh interval (-delay), the window's events and
// the kernel's address announcements in between, and whatever the tick or the events marked
// painted at once; with -fps, the frame rate counted and shown.

#include "linux/x11.h"

#include <csignal>

#include "host/info_display.h"
#include "linux/linux_information_sources.h"
#include "module/module_options.h"
#include "linux/x_monitors.h"
#include "linux/x_target_window.h"
#include "linux/xft_block_surface.h"

namespace kelvor::x11 {

// Runs until `stopRequested` is set (by a signal) or the window goes away or is closed; the block
// follows the changes of `monitors`.
void RunModule(Display* display, TargetWindow& window, XftBlockSurface& surface, InfoDisplay& info,
               LinuxInformationSources& sources, const ModuleOptions& options, const XMonitors& monitors,
               const volatile std::sig_atomic_t& stopRequested);

}  // namespace kelvor::x11
