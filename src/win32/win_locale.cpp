#include "win32/win_locale.h"

#include <windows.h>

#include <array>
#include <optional>

namespace kelvor::win32 {
namespace {

std::optional<std::string> LocaleText(LCTYPE item) {
    std::array<char, 80> buffer{};
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, item, buffer.data(), static_cast<int>(buffer.size()));
    // The length counts the terminating zero; 0 means the call failed.
    if (length <= 0) return std::nullopt;
    return std::string(buffer.data(), static_cast<size_t>(length - 1));
}

}  // namespace

std::string WinLocale::ThousandsSeparator() { return LocaleText(LOCALE_STHOUSAND).value_or(","); }

std::string WinLocale::MonthAbbreviation(int month) {
    static constexpr std::array<const char*, 12> kEnglish{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (month < 1 || month > 12) return "";
    const auto index = static_cast<size_t>(month - 1);
    return LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + index)).value_or(kEnglish[index]);
}

}  // namespace kelvor::win32
