#pragma once
// The user's locale as GetLocaleInfoA gives it, with a comma and English month names where a call fails.

#include "common/locale_info.h"

namespace kelvor::win32 {

class WinLocale final : public LocaleInfo {
public:
    std::string ThousandsSeparator() override;
    // "" for a month outside 1 to 12.
    std::string MonthAbbreviation(int month) override;
};

}  // namespace kelvor::win32
