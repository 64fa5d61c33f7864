#include <windows.h>

#include "host/main_form.h"
#include "win32/display_window.h"
#include "win32/error_barrier.h"
#include "win32/options_window.h"
#include "win32/win_saver_platform.h"

namespace {

int RunMessageLoop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int Run(HINSTANCE instance, const std::string& commandLine) {
    using namespace kelvor;
    win32::WinSaverPlatform platform;
    ProgramState state;
    win32::DisplayWindow window(instance);
    MainForm form(state, window, window, platform, platform);
    window.Attach(form);

    switch (form.Load(commandLine)) {
    case StartMode::FullScreen:
    case StartMode::Preview:
        window.StartTimer();
        return RunMessageLoop();
    case StartMode::Options:
        // The display window unloads first; the program then runs on with the dialog alone.
        window.Destroy();
        return win32::RunOptionsDialog(instance, state.Settings, state.Os.Family(), platform.SystemRegistry(),
                                       commandLine);
    case StartMode::Ended:
        break;
    }
    window.Destroy();
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return static_cast<int>(
        kelvor::win32::Guarded([&] { return static_cast<LRESULT>(Run(instance, commandLine ? commandLine : "")); }, 1));
}
