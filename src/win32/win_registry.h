#pragma once
// The real registry: advapi32's ANSI key and value calls.

#include "settings/registry.h"

namespace kelvor::win32 {

class WinRegistry final : public Registry {
public:
    int32_t OpenKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) override;
    int32_t CreateKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) override;
    int32_t QueryValue(RegistryKeyHandle key, const std::string& name, uint32_t& type, std::vector<uint8_t>& buffer,
                       uint32_t& size) override;
    int32_t SetValue(RegistryKeyHandle key, const std::string& name, uint32_t type,
                     const std::vector<uint8_t>& data) override;
    int32_t CloseKey(RegistryKeyHandle key) override;
};

}  // namespace kelvor::win32
