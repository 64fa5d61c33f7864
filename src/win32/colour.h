#pragma once
// Colour values as the settings hold them (red in the lowest byte); values with the top bit set
// name a system colour by its index in the low byte.

#include <windows.h>

#include <cstdint>

namespace kelvor::win32 {

inline COLORREF ToColorRef(int32_t colour) {
    const auto value = static_cast<uint32_t>(colour);
    if ((value & 0x80000000u) != 0) return GetSysColor(static_cast<int>(value & 0xFFu));
    return value & 0x00FFFFFFu;
}

}  // namespace kelvor::win32
