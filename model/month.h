// The chosen month laid out on weekdays (0 = Sunday ... 6 = Saturday).
#pragma once

#include <array>
#include <cstdint>

#include "model/colour.h"

namespace model {

// One day of the month: its text colour, background colour and weekday.
struct DayRec {
    TColor font = 0;
    TColor base = 0;
    std::int32_t youbi = 0;
};

// Indexed by day number 1 to 31; entry 0 is never used.
using DayTable = std::array<DayRec, 32>;

// Year 1900 or later, month 1 to 12. There is no upper bound on the year.
constexpr bool IsValidMonth(std::int32_t year, std::int32_t month) {
    return year >= 1900 && month >= 1 && month <= 12;
}

// Weekday of the day before day 1 of a valid month, always 0 to 6.
int WeekdayBeforeFirst(std::int32_t year, std::int32_t month);

// Number of days of a valid month in the Gregorian calendar.
int DaysInMonth(std::int32_t year, std::int32_t month);

// Fills the weekday before day 1, the month length and the weekday of days
// 1 to tuki_days. Entries after the month's last day are left alone.
void SetUpMonth(std::int32_t nen_val, std::int32_t tuki_val, std::int32_t& youbi_zero,
                std::int32_t& tuki_days, DayTable& dayTbl);

}  // namespace model
