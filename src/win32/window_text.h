#pragma once
// The text of a window or control.

#include <windows.h>

#include <string>

namespace kelvor::win32 {

inline std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace kelvor::win32
