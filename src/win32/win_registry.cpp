#include "win32/win_registry.h"

#include <windows.h>

#include <vector>

#include "win32/win_system_info.h"

namespace kelvor::win32 {
namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegistryRoot::Users: return HKEY_USERS;
    }
    return nullptr;
}

HKEY ToHkey(RegistryKeyHandle key) { return reinterpret_cast<HKEY>(key); }

int32_t OpenOrCreate(decltype(&RegOpenKeyA) call, RegistryRoot root, const std::string& subkey,
                     RegistryKeyHandle& key) {
    HKEY opened = nullptr;
    const LONG status = call(RootKey(root), subkey.c_str(), &opened);
    if (status == ERROR_SUCCESS) key = reinterpret_cast<RegistryKeyHandle>(opened);
    return status;
}

}  // namespace

WinRegistry::WinRegistry() : family_(RunningWindowsFamily()) {}

int32_t WinRegistry::OpenKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) {
    return OpenOrCreate(&RegOpenKeyA, root, subkey, key);
}

int32_t WinRegistry::CreateKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) {
    return OpenOrCreate(&RegCreateKeyA, root, subkey, key);
}

int32_t WinRegistry::QueryValue(RegistryKeyHandle key, const std::string& name, uint32_t& type,
                                std::vector<uint8_t>& buffer, uint32_t& size) {
    if (size > buffer.size()) return ERROR_INVALID_PARAMETER;
    // A null data pointer would turn the call into a size query; with no room at all, point at a
    // scratch byte so that any data still answers ERROR_MORE_DATA.
    BYTE scratch = 0;
    BYTE* const data = buffer.empty() ? &scratch : buffer.data();
    DWORD valueType = REG_NONE;
    DWORD dataSize = size;
    const LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data, &dataSize);
    type = valueType;
    size = dataSize;
    return status;
}

int32_t WinRegistry::SetValue(RegistryKeyHandle key, const std::string& name, uint32_t type,
                              const std::vector<uint8_t>& data) {
    // The byte after a string's data decides what is stored. On the NT family, RegSetValueExA stores
    // a zero byte found there as a terminator (a 1024-character text would then no longer fit the
    // readers' buffer), so a non-zero byte keeps the data exactly as given. The 9x family ignores
    // the length of a string and stores up to the first zero byte, so there the zero must follow
    // the data at once.
    std::vector<uint8_t> guarded(data);
    guarded.push_back(family_ == WindowsFamily::Win9x ? 0x00 : 0xFF);
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, guarded.data(), static_cast<DWORD>(data.size()));
}

int32_t WinRegistry::CloseKey(RegistryKeyHandle key) { return RegCloseKey(ToHkey(key)); }

}  // namespace kelvor::win32
