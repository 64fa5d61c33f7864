#pragma once
// The two families of Windows as the platform identifier of the version query tells them apart.

#include <cstdint>

namespace kelvor {

inline constexpr int32_t kPlatform9x = 1;
inline constexpr int32_t kPlatformNt = 2;

enum class WindowsFamily { Win9x, Nt };

// Only platform 2 is the NT family; every other value, 0 for a version that cannot be read
// included, is treated as the 9x family.
constexpr WindowsFamily FamilyOf(int32_t platformId) {
    return platformId == kPlatformNt ? WindowsFamily::Nt : WindowsFamily::Win9x;
}

}  // namespace kelvor
