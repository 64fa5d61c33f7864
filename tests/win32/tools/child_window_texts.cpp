// Prints the texts inside another program's top-level window, for the end-to-end tests: a message
// box's caption cannot tell what it says, its static control can. Waits up to ten seconds for a
// window with the title given as the first argument, then writes the text of each child window,
// one per line, to standard output. Exits 1 when no such window appears.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK PrintChildText(HWND child, LPARAM) {
    char text[1024] = {};
    // WM_GETTEXT is marshalled across processes for the system's controls.
    SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    if (text[0] != '\0') std::printf("%s\n", text);
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: child_window_texts <title>\n");
        return 2;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (const HWND window = FindWindowA(nullptr, argv[1])) {
            EnumChildWindows(window, PrintChildText, 0);
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
