#include "linux/linux_locale.h"

#include <langinfo.h>

namespace kelvor::x11 {

std::string LinuxLocale::ThousandsSeparator() {
    const char* separator = nl_langinfo(THOUSEP);
    return separator != nullptr && *separator != '\0' ? separator : ",";
}

std::string LinuxLocale::MonthAbbreviation(int month) {
    if (month < 1 || month > 12) return "";
    return nl_langinfo(static_cast<nl_item>(ABMON_1 + month - 1));
}

}  // namespace kelvor::x11
