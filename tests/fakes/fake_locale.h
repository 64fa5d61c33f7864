#pragma once
// An English locale with a comma separator; tests change its fields to see them used.

#include <array>
#include <string>

#include "common/locale_info.h"

namespace kelvor {

class FakeLocale final : public LocaleInfo {
public:
    std::string ThousandsSeparator() override { return separator; }
    std::string MonthAbbreviation(int month) override { return months.at(static_cast<size_t>(month - 1)); }

    std::string separator = ",";
    std::array<std::string, 12> months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
};

}  // namespace kelvor
