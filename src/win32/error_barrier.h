#pragma once
// No exception crosses a window procedure, a dialog procedure or a timer callback: the barrier
// shows the error as an untrapped run-time error would be shown and ends the program.

#include <windows.h>

#include <exception>
#include <new>
#include <string>

#include "common/run_time_error.h"

namespace kelvor::win32 {

void ShowUntrappedError(int32_t number, const std::string& description);

template <typename Handler>
LRESULT Guarded(Handler handler, LRESULT fallback) noexcept {
    try {
        return handler();
    } catch (const RunTimeError& error) {
        ShowUntrappedError(error.Number(), error.Description());
    } catch (const std::bad_alloc&) {
        ShowUntrappedError(kErrOutOfMemory, std::string(ErrorDescription(kErrOutOfMemory)));
    } catch (const std::exception& error) {
        ShowUntrappedError(kErrInternal, std::string(ErrorDescription(kErrInternal)) + ": " + error.what());
    }
    PostQuitMessage(1);
    return fallback;
}

}  // namespace kelvor::win32
