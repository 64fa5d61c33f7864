// A plain top-level window with the title given as the first argument, for the end-to-end tests.
// Every 50 ms it writes "enabled" or "disabled" to the file named by the second argument, so a test
// can see from outside whether another program disabled it. Optional third and fourth arguments
// place its top-left corner (pixels). It runs until it is closed or killed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr UINT_PTR kPollTimer = 1;

struct Watch {
    std::string stateFile;
    std::string written;
};

void WriteState(HWND window, Watch& watch) {
    const std::string state = IsWindowEnabled(window) ? "enabled" : "disabled";
    if (state == watch.written) return;
    if (FILE* file = std::fopen(watch.stateFile.c_str(), "w")) {
        std::fputs(state.c_str(), file);
        std::fclose(file);
        watch.written = state;
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* watch = reinterpret_cast<Watch*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_TIMER:
        if (watch != nullptr) WriteState(window, *watch);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: title_window <title> <state file> [left top]\n");
        return 2;
    }
    Watch watch{argv[2], ""};
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "KelvorTestTitleWindow";
    RegisterClassA(&windowClass);
    const int left = argc >= 5 ? std::atoi(argv[3]) : 300;
    const int top = argc >= 5 ? std::atoi(argv[4]) : 200;
    const HWND window = CreateWindowExA(0, windowClass.lpszClassName, argv[1], WS_OVERLAPPEDWINDOW | WS_VISIBLE, left,
                                        top, 400, 300, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&watch));
    WriteState(window, watch);
    SetTimer(window, kPollTimer, 50, nullptr);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
