#pragma once
// Calendar arithmetic and the date and time patterns of the display.

#include <cstdint>
#include <string>

#include "common/clock.h"

namespace kelvor {

class LocaleInfo;

// Days from 1 January 1970 to the given date of the proleptic Gregorian calendar (negative before).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day);

// The moment `seconds` before `moment`, in calendar terms (days, months and years carry).
LocalDateTime SubtractSeconds(const LocalDateTime& moment, int64_t seconds);

// "hh:mm:ss": 24-hour clock, two-digit hour (15:06:10).
std::string FormatTime24(const LocalDateTime& moment);
// "h:mm:ss am/pm": 12-hour clock, hour without leading zero (3:06:10 pm, 12:00:00 am).
std::string FormatTime12(const LocalDateTime& moment);
// The time pattern chosen by bit value 1 of the time-format setting.
std::string FormatTimeOfDay(const LocalDateTime& moment, uint8_t timeFormat);
// "dd-mmm-yy" with the locale's abbreviated month name (06-Dec-26).
std::string FormatDateDdMmmYy(const LocalDateTime& moment, LocaleInfo& locale);

// Seconds since midnight, with the milliseconds as a fraction.
double SecondsSinceMidnight(const LocalDateTime& moment);

}  // namespace kelvor
