#pragma once
// Overwrites memory that held a password or material derived from it, in a way the optimiser may not
// drop even though the memory is about to be released.

#include <cstdint>
#include <span>
#include <string>

namespace kelvor {

void WipeBytes(std::span<uint8_t> bytes);
// Overwrites the text's characters (its whole capacity) and leaves it empty.
void WipeText(std::string& text);

}  // namespace kelvor
