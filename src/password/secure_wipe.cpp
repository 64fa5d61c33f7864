#include "password/secure_wipe.h"

namespace kelvor {

void WipeBytes(std::span<uint8_t> bytes) {
    volatile uint8_t* const target = bytes.data();
    for (size_t index = 0; index < bytes.size(); ++index) target[index] = 0;
}

void WipeText(std::string& text) {
    // Short texts live inside the string object itself; resizing to the capacity covers both cases.
    text.resize(text.capacity());
    volatile char* const target = text.data();
    for (size_t index = 0; index < text.size(); ++index) target[index] = 0;
    text.clear();
}

}  // namespace kelvor
