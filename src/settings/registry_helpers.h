#pragma once
// The four self-contained registry operations: each opens (or creates) its key, reads or writes one
// value and closes the key again. Platform failures only turn into a false result.

#include <cstdint>
#include <string>

#include "settings/registry.h"

namespace kelvor {

// Values whose data is longer than this many bytes cannot be read.
inline constexpr uint32_t kRegistryReadBufferSize = 1024;

// A string value gives its text (one trailing zero byte dropped); a number value gives its signed
// decimal text; a value of any other type succeeds and leaves `out` as it was. When the key or value
// cannot be read, `out` becomes "" and the result is false.
bool ReadRegString(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                   std::string& out);

// Only number values are read; anything else, or a failed read, gives false and leaves `out` as it was.
// A number that needs more than 32 bits raises run-time error 6 "Overflow".
bool ReadRegNumber(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                   int32_t& out);

// Creates missing keys. The text is stored without a terminating zero byte; the empty text as a
// single zero byte.
bool WriteRegString(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                    const std::string& text);

// Stores a 32-bit number value, little-endian. Creates missing keys.
bool WriteRegNumber(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                    int32_t value);

}  // namespace kelvor
