#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "model/month.h"

namespace {

using namespace std::chrono;

struct Worked {
    int year, month, youbi_zero, days;
};

// Worked examples of the weekday arithmetic, with January and February
// counted as months 13 and 14 of the year before.
const Worked kWorked[] = {
    {1900, 1, 0, 31}, {1900, 2, 3, 28}, {2000, 1, 5, 31}, {2000, 2, 1, 29},
    {2023, 12, 4, 31}, {2024, 2, 3, 29}, {2024, 3, 4, 31}, {2100, 2, 0, 28},
    {2400, 2, 1, 29},
};

TEST(Month, WorkedExamples) {
    for (const Worked& w : kWorked) {
        SCOPED_TRACE(std::to_string(w.year) + "-" + std::to_string(w.month));
        EXPECT_EQ(model::WeekdayBeforeFirst(w.year, w.month), w.youbi_zero);
        EXPECT_EQ(model::DaysInMonth(w.year, w.month), w.days);
    }
}

// Weekday of the day before day 1, as the standard library's calendar says.
int ChronoWeekdayBeforeFirst(int y, int m) {
    const year_month_day first{year{y}, month{static_cast<unsigned>(m)}, day{1}};
    return static_cast<int>((weekday{sys_days{first}}.c_encoding() + 6) % 7);
}

int ChronoDays(int y, int m) {
    const year_month_day_last last{year{y}, month_day_last{month{static_cast<unsigned>(m)}}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

TEST(Month, AgreesWithTheGregorianCalendarFrom1900To32767) {
    for (int y = 1900; y <= 32767; ++y)
        for (int m = 1; m <= 12; ++m) {
            ASSERT_EQ(model::WeekdayBeforeFirst(y, m), ChronoWeekdayBeforeFirst(y, m)) << y << "-" << m;
            ASSERT_EQ(model::DaysInMonth(y, m), ChronoDays(y, m)) << y << "-" << m;
        }
}

// The Gregorian calendar repeats every 400 years (146097 days, a whole
// number of weeks), so every year is checked against the year it matches in
// 1900..2299, up to the largest 32-bit year.
TEST(Month, FollowsThe400YearCycleUpToTheLargestYear) {
    const int kLast = INT32_MAX;
    for (long long y = 2300; y <= kLast; y += 9973) {
        const int base = 1900 + static_cast<int>((y - 1900) % 400);
        for (int m = 1; m <= 12; ++m) {
            const int wd = model::WeekdayBeforeFirst(static_cast<int>(y), m);
            ASSERT_GE(wd, 0);
            ASSERT_LE(wd, 6);
            ASSERT_EQ(wd, model::WeekdayBeforeFirst(base, m)) << y << "-" << m;
            ASSERT_EQ(model::DaysInMonth(static_cast<int>(y), m), model::DaysInMonth(base, m));
        }
    }
    // Around the point where a 32-bit sum would overflow, and the very end.
    for (int y : {5879609, 5879610, 5879611, kLast - 1, kLast}) {
        const int base = 1900 + (y - 1900) % 400;
        for (int m = 1; m <= 12; ++m)
            ASSERT_EQ(model::WeekdayBeforeFirst(y, m), model::WeekdayBeforeFirst(base, m)) << y;
    }
}

TEST(Month, ValidityRule) {
    EXPECT_TRUE(model::IsValidMonth(1900, 1));
    EXPECT_TRUE(model::IsValidMonth(1900, 12));
    EXPECT_TRUE(model::IsValidMonth(INT32_MAX, 6));
    EXPECT_FALSE(model::IsValidMonth(1899, 6));
    EXPECT_FALSE(model::IsValidMonth(INT32_MIN, 6));
    for (int m : {0, 13, -1, INT32_MIN, INT32_MAX}) EXPECT_FALSE(model::IsValidMonth(2000, m)) << m;
}

TEST(Month, SetUpMonthFillsOnlyTheMonthsDays) {
    model::DayTable t{};
    std::int32_t youbi_zero = -1, tuki_days = -1;
    model::SetUpMonth(2000, 2, youbi_zero, tuki_days, t);
    EXPECT_EQ(youbi_zero, 1);
    EXPECT_EQ(tuki_days, 29);
    EXPECT_EQ(t[1].youbi, 2);   // Tuesday
    EXPECT_EQ(t[29].youbi, 2);
    EXPECT_EQ(t[30].youbi, 0);  // never written
    EXPECT_EQ(t[31].youbi, 0);
    EXPECT_EQ(t[0].youbi, 0);

    model::SetUpMonth(2000, 1, youbi_zero, tuki_days, t);
    EXPECT_EQ(t[1].youbi, 6);
    EXPECT_EQ(t[2].youbi, 0);
    EXPECT_EQ(t[3].youbi, 1);
    EXPECT_EQ(t[31].youbi, 1);
    EXPECT_EQ(t[31].font, 0);
}

}  // namespace
