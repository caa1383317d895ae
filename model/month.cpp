#include "model/month.h"

namespace model {

namespace {

constexpr std::array<int, 13> kDaysInMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days from the start of March to the start of month m, with January and
// February counted as months 13 and 14 of the year before: (m - 2) * 30.59,
// truncated, with the double nearest to 30.59 (just below it).
constexpr std::array<int, 15> kMonthOffset = {0,   0,   0,   30,  61,  91,  122, 152,
                                              183, 214, 244, 275, 305, 336, 367};

}  // namespace

int WeekdayBeforeFirst(std::int32_t year, std::int32_t month) {
    // Working in 64 bits keeps the sum exact for every 32-bit year; with 32
    // bits it would overflow after year 5,879,609.
    std::int64_t y = year;
    int m = month;
    if (m < 3) {
        m += 12;
        y -= 1;
    }
    const std::int64_t y365 = 365 * y + y / 4;  // y * 365.25, truncated
    const std::int64_t sum = y365 + y / 400 - y / 100 + kMonthOffset[m];
    return static_cast<int>(sum % 7);
}

int DaysInMonth(std::int32_t year, std::int32_t month) {
    if (month != 2) return kDaysInMonth[month];
    if (year % 400 == 0) return 29;
    if (year % 100 == 0) return 28;
    return year % 4 == 0 ? 29 : 28;
}

void SetUpMonth(std::int32_t nen_val, std::int32_t tuki_val, std::int32_t& youbi_zero,
                std::int32_t& tuki_days, DayTable& dayTbl) {
    youbi_zero = WeekdayBeforeFirst(nen_val, tuki_val);
    tuki_days = DaysInMonth(nen_val, tuki_val);
    for (int d = 1; d <= tuki_days; ++d) dayTbl[d].youbi = (youbi_zero + d) % 7;
}

}  // namespace model
