#include "common/date_time_format.h"

#include "common/locale_info.h"

namespace kelvor {

// Counted from 1 March of year 0 in the proleptic Gregorian calendar, shifted to 1970-01-01 = 0.
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

namespace {

void CivilFromDays(int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

LocalDateTime SubtractSeconds(const LocalDateTime& moment, int64_t seconds) {
    const int64_t total = DaysFromCivil(moment.year, moment.month, moment.day) * 86400 +
                          moment.hour * 3600 + moment.minute * 60 + moment.second - seconds;
    const int64_t days = FloorDiv(total, 86400);
    const int64_t inDay = total - days * 86400;
    LocalDateTime result;
    CivilFromDays(days, result.year, result.month, result.day);
    result.hour = static_cast<int>(inDay / 3600);
    result.minute = static_cast<int>(inDay / 60 % 60);
    result.second = static_cast<int>(inDay % 60);
    result.millisecond = moment.millisecond;
    return result;
}

std::string FormatTime24(const LocalDateTime& moment) {
    return TwoDigits(moment.hour) + ":" + TwoDigits(moment.minute) + ":" + TwoDigits(moment.second);
}

std::string FormatTime12(const LocalDateTime& moment) {
    const int hour12 = moment.hour % 12 == 0 ? 12 : moment.hour % 12;
    return std::to_string(hour12) + ":" + TwoDigits(moment.minute) + ":" + TwoDigits(moment.second) +
           (moment.hour < 12 ? " am" : " pm");
}

std::string FormatTimeOfDay(const LocalDateTime& moment, uint8_t timeFormat) {
    return (timeFormat & 1) != 0 ? FormatTime24(moment) : FormatTime12(moment);
}

std::string FormatDateDdMmmYy(const LocalDateTime& moment, LocaleInfo& locale) {
    return TwoDigits(moment.day) + "-" + locale.MonthAbbreviation(moment.month) + "-" +
           TwoDigits(((moment.year % 100) + 100) % 100);
}

double SecondsSinceMidnight(const LocalDateTime& moment) {
    return moment.hour * 3600.0 + moment.minute * 60.0 + moment.second + moment.millisecond / 1000.0;
}

}  // namespace kelvor
