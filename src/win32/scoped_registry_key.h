#pragma once
// An open registry key that is closed when it goes out of scope; move-only.

#include <windows.h>

#include <utility>

namespace kelvor::win32 {

class ScopedRegistryKey {
public:
    ScopedRegistryKey() = default;
    // Opens `subkey` under `root`; Status() tells whether it worked.
    ScopedRegistryKey(HKEY root, const char* subkey, REGSAM access)
        : status_(RegOpenKeyExA(root, subkey, 0, access, &key_)) {
        if (status_ != ERROR_SUCCESS) key_ = nullptr;
    }
    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey(ScopedRegistryKey&& other) noexcept
        : key_(std::exchange(other.key_, nullptr)), status_(other.status_) {}
    ScopedRegistryKey& operator=(ScopedRegistryKey&& other) noexcept {
        std::swap(key_, other.key_);
        std::swap(status_, other.status_);
        return *this;
    }
    ~ScopedRegistryKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }

    LONG Status() const { return status_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
    LONG status_ = ERROR_INVALID_HANDLE;
};

}  // namespace kelvor::win32
