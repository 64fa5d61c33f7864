#pragma once
// Salts from the system's random numbers: RtlGenRandom (advapi32 "SystemFunction036", from XP on),
// else CryptGenRandom (from 95 OSR2 and NT 4 on), else, where neither exists (the first Windows 95),
// a mix of clocks and process details expanded with SHA-256. All are looked up at run time so that
// the program loads everywhere.

#include <windows.h>
#include <wincrypt.h>

#include "password/salt_source.h"
#include "win32/loaded_module.h"

namespace kelvor::win32 {

class WinSaltSource final : public SaltSource {
public:
    WinSaltSource();
    std::vector<uint8_t> RandomBytes(size_t count) override;

private:
    bool FromRtlGenRandom(std::vector<uint8_t>& bytes) const;
    bool FromCryptGenRandom(std::vector<uint8_t>& bytes) const;
    std::vector<uint8_t> FromClocks(size_t count);

    LoadedModule advapi32_;
    LateBoundPointer<api::RtlGenRandom> rtlGenRandom_;
    LateBoundPointer<api::CryptAcquireContext> cryptAcquireContext_;
    LateBoundPointer<api::CryptGenRandom> cryptGenRandom_;
    LateBoundPointer<api::CryptReleaseContext> cryptReleaseContext_;
    uint32_t fallbackCalls_ = 0;  // keeps two fallback salts of the same instant apart
};

}  // namespace kelvor::win32
