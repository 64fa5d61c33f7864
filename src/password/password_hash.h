#pragma once
// Turning a password into its stored record and checking a password against one.

#include <cstdint>
#include <span>
#include <string_view>

#include "password/password_record.h"

namespace kelvor {

PasswordRecord HashPassword(std::string_view password, std::span<const uint8_t> salt, uint32_t iterations);

// True when the password hashes to the record's hash with the record's salt and round count. The
// hashes are compared in constant time.
bool PasswordMatches(std::string_view password, const PasswordRecord& record);

// Byte-wise equality whose running time depends only on the sizes, never on where the first
// difference lies.
bool ConstantTimeEqual(std::span<const uint8_t> first, std::span<const uint8_t> second);

}  // namespace kelvor
