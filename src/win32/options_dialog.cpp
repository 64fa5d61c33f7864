#include "win32/options_dialog.h"

#include <windows.h>

#include "win32/options_window.h"

namespace kelvor::win32 {

int RunOptionsDialog(void* instance, SaverSettings& settings, WindowsFamily family, Registry& registry,
                     const std::string& commandLine) {
    OptionsWindow window(static_cast<HINSTANCE>(instance), settings, family, registry, commandLine);
    if (!window.Create()) return 0;
    MSG message{};
    while (window.IsOpen()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        // The program was asked to quit, by an untrapped error among others: its code is the exit code.
        if (got == 0) return static_cast<int>(message.wParam);
        if (got < 0) break;
        if (window.TranslateKeyboard(message) || IsDialogMessageA(window.Handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace kelvor::win32
