#pragma once
// The window and dialog procedures of the program's own windows. Each finds the object that
// handles its messages in the window's own data, where it is stored as the window is created: from
// the creation parameter at WM_NCCREATE (windows) or WM_INITDIALOG (dialogs). Messages that come
// before that, or after Unbind, get the default handling. The handler's Dispatch(window, message,
// wParam, lParam) is its error barrier: no exception crosses a procedure.

#include <windows.h>

namespace kelvor::win32 {

template <typename Handler>
LRESULT CALLBACK WindowProcedureOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* const handler = reinterpret_cast<Handler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (handler == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return handler->Dispatch(window, message, wParam, lParam);
}

template <typename Handler>
INT_PTR CALLBACK DialogProcedureOf(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    auto* const handler = reinterpret_cast<Handler*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (handler == nullptr) return FALSE;
    return handler->Dispatch(dialog, message, wParam, lParam);
}

// Detaches a window from its handler, which is about to go.
inline void UnbindWindow(HWND window) { SetWindowLongPtrA(window, GWLP_USERDATA, 0); }

}  // namespace kelvor::win32
