// The preview pane of the screen-saver settings, for the end-to-end tests: a 152 x 112 window that
// starts the saver given as the first argument with "/p <its handle>", as Windows does, and closes
// itself after the number of seconds given as the third argument.
//
// Wine does not draw a child window that belongs to another process, so what the saver put into
// the pane is reported instead: every 100 ms the file named by the second argument receives
// "<class> <left> <top> <right> <bottom> <visible>" for the pane's first child, in pane coordinates,
// or "none". The exit code says how the saver took the closing: 0 when it ended within ten seconds,
// 3 when it kept running, 1 when it could not be started.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr UINT_PTR kReportTimer = 1;
constexpr UINT_PTR kCloseTimer = 2;

class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ~ScopedHandle() {
        if (handle_ != nullptr) CloseHandle(handle_);
    }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

std::string DescribeChild(HWND pane) {
    const HWND child = GetWindow(pane, GW_CHILD);
    if (child == nullptr) return "none";
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    RECT placed{};
    GetWindowRect(child, &placed);
    MapWindowPoints(HWND_DESKTOP, pane, reinterpret_cast<POINT*>(&placed), 2);
    return std::string(className) + " " + std::to_string(placed.left) + " " + std::to_string(placed.top) + " " +
           std::to_string(placed.right) + " " + std::to_string(placed.bottom) + " " +
           std::to_string(IsWindowVisible(child) ? 1 : 0);
}

void Report(const char* reportFile, HWND pane) {
    if (FILE* file = std::fopen(reportFile, "w")) {
        std::fputs(DescribeChild(pane).c_str(), file);
        std::fclose(file);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kCloseTimer) {
            DestroyWindow(window);
        } else {
            Report(reinterpret_cast<const char*>(GetWindowLongPtrA(window, GWLP_USERDATA)), window);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HANDLE StartSaver(const std::string& saver, HWND pane) {
    std::string commandLine = "\"" + saver + "\" /p " + std::to_string(reinterpret_cast<UINT_PTR>(pane));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: preview_pane <saver> <report file> <seconds>\n");
        return 2;
    }
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "KelvorTestPreviewPane";
    RegisterClassA(&windowClass);
    const HWND pane = CreateWindowExA(0, windowClass.lpszClassName, "KelvorPreviewPane", WS_POPUP | WS_VISIBLE, 300,
                                      200, 152, 112, nullptr, nullptr, instance, nullptr);
    if (pane == nullptr) return 1;
    SetWindowLongPtrA(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(argv[2]));
    const ScopedHandle saver(StartSaver(argv[1], pane));
    if (saver.Get() == nullptr) return 1;
    SetTimer(pane, kReportTimer, 100, nullptr);
    SetTimer(pane, kCloseTimer, static_cast<UINT>(std::atoi(argv[3]) * 1000), nullptr);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return WaitForSingleObject(saver.Get(), 10000) == WAIT_OBJECT_0 ? 0 : 3;
}
