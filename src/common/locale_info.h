#pragma once
// What number and date formats take from the user's locale.

#include <string>

namespace kelvor {

class LocaleInfo {
public:
    virtual ~LocaleInfo() = default;
    virtual std::string ThousandsSeparator() = 0;
    // Abbreviated month name, month 1 to 12.
    virtual std::string MonthAbbreviation(int month) = 0;
};

}  // namespace kelvor
