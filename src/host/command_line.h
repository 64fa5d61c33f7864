#pragma once
// Reading the command line that Windows passes to a screen saver.

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvor {

// The mode switch: the first two characters after trimming blanks, upper-cased ("/S", "/P", "/C", ...).
std::string FormSwitch(std::string_view commandLine);

// The number at the start of the text: leading blanks skipped, an optional sign, digits and one
// decimal point; reading stops at the first other character; no number gives 0.
double ReadLeadingNumber(std::string_view text);

// The parent window for "/A": the raw command line without its first two characters, read as a
// number and rounded.
int32_t PasswordParentWindow(std::string_view rawCommandLine);

// The preview pane for "/P": the value of the longest tail of the trimmed text that reads as a
// number, rounded; 0 when no tail does or the number is outside the 32-bit range.
int32_t ParseWindowHandle(std::string_view text);

}  // namespace kelvor
