#pragma once
// The registry as the settings code sees it: the platform's ANSI key and value calls with their
// status codes. win32/ gives the real one; tests use an in-memory fake that behaves like it.

#include <cstdint>
#include <string>
#include <vector>

namespace kelvor {

enum class RegistryRoot : uint32_t {
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
};

enum RegistryValueType : uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
};

inline constexpr int32_t kErrorSuccess = 0;
inline constexpr int32_t kErrorFileNotFound = 2;
inline constexpr int32_t kErrorAccessDenied = 5;
inline constexpr int32_t kErrorMoreData = 234;

using RegistryKeyHandle = uintptr_t;

class Registry {
public:
    virtual ~Registry() = default;
    // RegOpenKeyA: opens an existing key.
    virtual int32_t OpenKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) = 0;
    // RegCreateKeyA: opens a key, creating it and any missing parents.
    virtual int32_t CreateKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) = 0;
    // RegQueryValueExA: `size` holds the buffer's capacity on entry (at most buffer.size()) and the
    // data's size on return; data longer than the capacity gives kErrorMoreData.
    virtual int32_t QueryValue(RegistryKeyHandle key, const std::string& name, uint32_t& type,
                               std::vector<uint8_t>& buffer, uint32_t& size) = 0;
    // RegSetValueExA.
    virtual int32_t SetValue(RegistryKeyHandle key, const std::string& name, uint32_t type,
                             const std::vector<uint8_t>& data) = 0;
    virtual int32_t CloseKey(RegistryKeyHandle key) = 0;
};

// An open key that is closed when it goes out of scope.
class OpenRegistryKey {
public:
    OpenRegistryKey(Registry& registry, RegistryKeyHandle handle) : registry_(&registry), handle_(handle) {}
    OpenRegistryKey(const OpenRegistryKey&) = delete;
    OpenRegistryKey& operator=(const OpenRegistryKey&) = delete;
    ~OpenRegistryKey() { registry_->CloseKey(handle_); }
    RegistryKeyHandle Handle() const { return handle_; }

private:
    Registry* registry_;
    RegistryKeyHandle handle_;
};

}  // namespace kelvor
