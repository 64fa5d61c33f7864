// The display module for xscreensaver: reads its options, opens the display and the window to draw
// on, and runs the information display there until a signal or the window's end stops it. Only a
// display or a window that cannot be had ends it at the start: xscreensaver starts a module that
// ends again at once, many times a second, so whatever else is wrong is warned of and passed over.

#include "linux/x11.h"

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <string>
#include <vector>

#include "display/dots_per_inch.h"
#include "host/info_display.h"
#include "module/module_options.h"
#include "host/program_state.h"
#include "linux/linux_information_sources.h"
#include "linux/module_loop.h"
#include "linux/x_colour_names.h"
#include "linux/x_handles.h"
#include "linux/x_monitors.h"
#include "linux/x_target_window.h"
#include "linux/xft_block_surface.h"

namespace {

// Set by SIGTERM and SIGINT. A signal handler can reach nothing else, so this flag is the one
// piece of state outside the program's state object.
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void RequestStop(int) { stopRequested = 1; }

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the wait for events returns at once.
    for (const int number : {SIGTERM, SIGINT}) sigaction(number, &action, nullptr);
}

// The window may go away under the module at any moment (the preview closes, xscreensaver
// unblanks): the requests already sent for it then fail, and the module ends on the destruction
// event that follows. Every other error is reported (-sync reports it at the request that caused
// it) and the module goes on.
extern "C" int ReportXError(Display* display, XErrorEvent* error) {
    const bool windowGone = error->error_code == BadWindow || error->error_code == BadDrawable;
    if (windowGone && kelvor::x11::IsTargetWindow(display, error->resourceid)) return 0;
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "%s: X error: %s (request %d)\n", kelvor::kModuleName, text, error->request_code);
    return 0;
}

void Warn(std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) std::fprintf(stderr, "%s: %s\n", kelvor::kModuleName, warning.c_str());
    warnings.clear();
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kelvor::kModuleName, message.c_str());
    return EXIT_FAILURE;
}

double DotsPerInch(Display* display, int screen, bool across) {
    const char* setting = XGetDefault(display, "Xft", "dpi");
    return across ? kelvor::DotsPerInch(setting, DisplayWidth(display, screen), DisplayWidthMM(display, screen))
                  : kelvor::DotsPerInch(setting, DisplayHeight(display, screen), DisplayHeightMM(display, screen));
}

int Run(const kelvor::ModuleOptions& options, const kelvor::TargetChoice& choice, std::vector<std::string>& warnings) {
    using namespace kelvor;
    const x11::ScopedDisplay display(XOpenDisplay(options.displayName.empty() ? nullptr : options.displayName.c_str()));
    if (!display) return Fail("cannot open display '" + std::string(XDisplayName(options.displayName.c_str())) + "'");
    XSetErrorHandler(ReportXError);
    if (options.synchronous) XSynchronize(display.get(), True);

    x11::TargetWindow window(display.get(), choice, options, warnings);
    x11::XColourNames colours(display.get(), window.WindowColormap());
    x11::LinuxInformationSources sources;
    ProgramState state;
    state.Settings = ModuleSettings(options, colours, warnings);
    Warn(warnings);
    state.Random = std::make_unique<SeededRandom>(static_cast<uint32_t>(std::time(nullptr)));
    state.CpuSampler = sources.CreateCpuSampler();

    x11::XftBlockSurface surface(display.get(), window, DotsPerInch(display.get(), window.ScreenNumber(), true),
                                 DotsPerInch(display.get(), window.ScreenNumber(), false));
    InfoDisplay info(state, surface, sources);
    surface.Attach(info.Block());
    info.SetComputerName(sources.ComputerName());
    info.SetTickInterval(options.tickMicroseconds);
    info.Start();
    info.KeepFittedToWindow();
    const x11::XMonitors monitors(display.get(), window.Id(), choice.target == ModuleTarget::Root);
    info.Block().SetMonitors(monitors.Read());
    x11::RunModule(display.get(), window, surface, info, sources, options, monitors, stopRequested);
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kelvor;
    // Month names and the thousands separator in the user's language.
    std::setlocale(LC_ALL, "");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    ModuleOptions options;
    std::vector<std::string> warnings;
    ParseModuleOptions(arguments, options, warnings);
    if (options.help) {
        std::printf("%s\n", ModuleUsage().c_str());
        return EXIT_SUCCESS;
    }
    const TargetChoice choice = ChooseTarget(options, std::getenv("XSCREENSAVER_WINDOW"), warnings);
    Warn(warnings);
    CatchStopSignals();
    try {
        return Run(options, choice, warnings);
    } catch (const std::exception& failure) {
        Warn(warnings);
        return Fail(failure.what());
    }
}
