// A library that answers NotifyAddrChange and CancelIPChangeNotify as the IP helper documents them,
// for the tests of the address line's change notification: Wine's own never completes. The test
// decides when an address changes and how the next request is answered, and reads what was asked.
#include <windows.h>

#include "address_change_stand_in.h"

namespace {

// The IP helper's request codes as they end up in OVERLAPPED::Internal.
constexpr ULONG_PTR kStatusPending = 0x103;
constexpr ULONG_PTR kStatusSuccess = 0;
constexpr ULONG_PTR kStatusCancelled = 0xC0000120;

// The handle a request hands out, which the caller must not close: the code under test waits on the
// OVERLAPPED's event, so any value other than null and INVALID_HANDLE_VALUE does.
const HANDLE kDevice = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x5A5A));

// What the IP helper would keep, and what the test reads back. Loading the library afresh resets it.
struct {
    OVERLAPPED* pending = nullptr;
    int nextAnswer = kPendingWithHandle;
    LONG arms = 0;
    LONG cancels = 0;
} state;

void Complete(ULONG_PTR status) {
    OVERLAPPED* const done = state.pending;
    state.pending = nullptr;
    done->Internal = status;
    done->InternalHigh = 0;
    SetEvent(done->hEvent);
}

}  // namespace

extern "C" {

__declspec(dllexport) DWORD WINAPI NotifyAddrChange(HANDLE* handle, OVERLAPPED* overlapped) {
    // The blocking form (both null) is not needed here.
    if (handle == nullptr || overlapped == nullptr) return ERROR_NOT_SUPPORTED;
    ++state.arms;
    if (state.nextAnswer == kRefused) return ERROR_NOT_SUPPORTED;
    if (state.nextAnswer == kPendingWithoutHandle) {  // as Wine answers: never completes
        *handle = INVALID_HANDLE_VALUE;
        return ERROR_IO_PENDING;
    }
    // One request at a time: a second one before the first completed is the caller's fault.
    if (state.pending != nullptr) return ERROR_INVALID_PARAMETER;
    overlapped->Internal = kStatusPending;
    state.pending = overlapped;
    *handle = kDevice;
    return ERROR_IO_PENDING;
}

__declspec(dllexport) BOOL WINAPI CancelIPChangeNotify(OVERLAPPED* overlapped) {
    if (overlapped == nullptr || overlapped != state.pending) return FALSE;
    ++state.cancels;
    Complete(kStatusCancelled);
    return TRUE;
}

// An address changes: the pending request completes; with none pending nobody hears of it.
__declspec(dllexport) void StandInFireChange() {
    if (state.pending != nullptr) Complete(kStatusSuccess);
}

__declspec(dllexport) void StandInAnswerNextWith(int answer) { state.nextAnswer = answer; }
__declspec(dllexport) LONG StandInArms() { return state.arms; }
__declspec(dllexport) LONG StandInCancels() { return state.cancels; }
__declspec(dllexport) BOOL StandInPending() { return state.pending != nullptr; }

}  // extern "C"
