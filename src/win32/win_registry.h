#pragma once
// The real registry: advapi32's ANSI key and value calls.

#include "common/windows_family.h"
#include "settings/registry.h"

namespace kelvor::win32 {

class WinRegistry final : public Registry {
public:
    WinRegistry();

    int32_t OpenKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) override;
    int32_t CreateKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) override;
    int32_t QueryValue(RegistryKeyHandle key, const std::string& name, uint32_t& type, std::vector<uint8_t>& buffer,
                       uint32_t& size) override;
    int32_t SetValue(RegistryKeyHandle key, const std::string& name, uint32_t type,
                     const std::vector<uint8_t>& data) override;
    int32_t CloseKey(RegistryKeyHandle key) override;

private:
    // The families store strings differently (see SetValue).
    const WindowsFamily family_;
};

}  // namespace kelvor::win32
