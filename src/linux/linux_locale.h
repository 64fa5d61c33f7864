#pragma once
// The user's locale (LC_NUMERIC and LC_TIME, once the program has taken them from the
// environment) for the number and date formats.

#include "common/locale_info.h"

namespace kelvor::x11 {

class LinuxLocale final : public LocaleInfo {
public:
    // "," where the locale groups no digits (the C locale), as on an English Windows.
    std::string ThousandsSeparator() override;
    std::string MonthAbbreviation(int month) override;
};

}  // namespace kelvor::x11
