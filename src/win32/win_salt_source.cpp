#include "win32/win_salt_source.h"

namespace kelvor::win32 {
namespace {

template <typename Value>
void Append(std::vector<uint8_t>& seed, const Value& value) {
    const auto* const bytes = reinterpret_cast<const uint8_t*>(&value);
    seed.insert(seed.end(), bytes, bytes + sizeof value);
}

}  // namespace

WinSaltSource::WinSaltSource()
    : advapi32_("advapi32.dll"),
      rtlGenRandom_(advapi32_.Find(api::RtlGenRandom)),
      cryptAcquireContext_(advapi32_.Find(api::CryptAcquireContext)),
      cryptGenRandom_(advapi32_.Find(api::CryptGenRandom)),
      cryptReleaseContext_(advapi32_.Find(api::CryptReleaseContext)) {}

bool WinSaltSource::FromRtlGenRandom(std::vector<uint8_t>& bytes) const {
    return rtlGenRandom_ != nullptr && rtlGenRandom_(bytes.data(), static_cast<ULONG>(bytes.size())) != FALSE;
}

bool WinSaltSource::FromCryptGenRandom(std::vector<uint8_t>& bytes) const {
    if (cryptAcquireContext_ == nullptr || cryptGenRandom_ == nullptr || cryptReleaseContext_ == nullptr)
        return false;
    HCRYPTPROV provider = 0;
    if (cryptAcquireContext_(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) == FALSE) return false;
    const bool filled = cryptGenRandom_(provider, static_cast<DWORD>(bytes.size()), bytes.data()) != FALSE;
    cryptReleaseContext_(provider, 0);
    return filled;
}

std::vector<uint8_t> WinSaltSource::FromClocks(size_t count) {
    std::vector<uint8_t> seed;
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    Append(seed, counter.QuadPart);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    Append(seed, now);
    Append(seed, GetTickCount());
    Append(seed, GetCurrentProcessId());
    Append(seed, GetCurrentThreadId());
    POINT cursor{};
    GetCursorPos(&cursor);
    Append(seed, cursor);
    MEMORYSTATUS memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatus(&memory);
    Append(seed, memory);
    Append(seed, reinterpret_cast<uintptr_t>(&seed));
    Append(seed, ++fallbackCalls_);
    QueryPerformanceCounter(&counter);  // the time all that took adds a little more
    Append(seed, counter.QuadPart);
    return ExpandSeed(seed, count);
}

std::vector<uint8_t> WinSaltSource::RandomBytes(size_t count) {
    std::vector<uint8_t> bytes(count);
    if (count == 0 || FromRtlGenRandom(bytes) || FromCryptGenRandom(bytes)) return bytes;
    return FromClocks(count);
}

}  // namespace kelvor::win32
