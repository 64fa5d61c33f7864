#pragma once
// The kernel's text files (Linux's /proc): the platform reads one whole on each call, and portable
// parsers take the text, so that tests and fuzzers can hand them any text at all.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvor {

class KernelText {
public:
    virtual ~KernelText() = default;
    // The file's whole text as the kernel writes it now; false when it cannot be read.
    virtual bool Read(std::string& text) = 0;
};

// Takes the text up to the next line feed (or the end) off the front of `text`.
std::string_view TakeLine(std::string_view& text);
// Skips blanks (spaces and tabs), then takes an unsigned decimal number off the front of `text`.
// False, with `text` as it was, when no digit follows or the number does not fit in 64 bits.
bool TakeNumber(std::string_view& text, uint64_t& number);
// Skips blanks, then an unsigned decimal number of any length, without reading its value. False,
// with `text` as it was, when no digit follows.
bool SkipNumber(std::string_view& text);
// Removes leading blanks.
void SkipBlanks(std::string_view& text);

}  // namespace kelvor
