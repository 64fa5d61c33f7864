#pragma once
// One move-only owner for every kind of handle the program opens (GDI objects, memory DCs,
// registry keys, loaded libraries, events), closed in its destructor by the call that belongs to its kind.

#include <windows.h>

#include <utility>

namespace kelvor::win32 {

template <typename Handle, void (*Close)(Handle)>
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~ScopedHandle() { Reset(nullptr); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Closes the handle held and takes `handle` instead.
    void Reset(Handle handle) {
        if (handle_ != nullptr) Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

namespace closing {
template <typename Object>
void GdiObject(Object object) { DeleteObject(object); }
inline void MemoryDc(HDC dc) { DeleteDC(dc); }
inline void RegistryKey(HKEY key) { RegCloseKey(key); }
inline void Library(HMODULE module) { FreeLibrary(module); }
inline void KernelObject(HANDLE handle) { CloseHandle(handle); }
}  // namespace closing

using ScopedFont = ScopedHandle<HFONT, &closing::GdiObject<HFONT>>;
using ScopedBrush = ScopedHandle<HBRUSH, &closing::GdiObject<HBRUSH>>;
using ScopedBitmap = ScopedHandle<HBITMAP, &closing::GdiObject<HBITMAP>>;
// A memory DC from CreateCompatibleDC.
using MemoryDc = ScopedHandle<HDC, &closing::MemoryDc>;
using ScopedRegistryKey = ScopedHandle<HKEY, &closing::RegistryKey>;
using ScopedLibrary = ScopedHandle<HMODULE, &closing::Library>;
// An event, or another kernel object closed by CloseHandle (not INVALID_HANDLE_VALUE's kinds).
using ScopedKernelHandle = ScopedHandle<HANDLE, &closing::KernelObject>;

}  // namespace kelvor::win32
