// Structure of the body rows over every month shape and every option
// combination: line counts, which days share a row, and the week-grid edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "html/page.h"

namespace {

using Rows = std::vector<std::vector<int>>;

struct Body {
    model::DayTable dayTbl{};
    html::Lines lines;
};

// The body rows alone, for a month given by the weekday before day 1.
Body WriteBody(int typeNo, int youbiNo, int memoranNo, int youbiZero, int days) {
    Body body;
    for (int d = 1; d <= days; ++d) body.dayTbl[d].youbi = (youbiZero + d) % 7;
    html::BodyInput in;
    in.typeNo = typeNo;
    in.youbiNo = youbiNo;
    in.memoranNo = memoranNo;
    in.youbi_zero = youbiZero;
    in.tuki_days = days;
    in.dayTbl = &body.dayTbl;
    in.youbiName = html::SetWeekdayLabels(youbiNo);
    if (typeNo <= 1)
        html::WriteListBody(body.lines, in);
    else
        html::WriteWeekGrid(body.lines, in);
    return body;
}

// The day number of a day line (blanks, then the number first), or 0.
int DayOfLine(std::string_view line) {
    const auto start = line.find_first_not_of(' ');
    if (start == std::string_view::npos || !std::isdigit(static_cast<unsigned char>(line[start])))
        return 0;
    return std::stoi(std::string(line.substr(start)));
}

// Days grouped by outer row: each line equal to one of `rowEnds` closes a row.
Rows DaysByRow(const html::Lines& lines, const std::vector<std::string>& rowEnds) {
    Rows rows(1);
    for (std::string_view line : lines) {
        if (std::find(rowEnds.begin(), rowEnds.end(), line) != rowEnds.end()) {
            rows.emplace_back();
        } else if (const int d = DayOfLine(line)) {
            rows.back().push_back(d);
        }
    }
    rows.pop_back();  // nothing follows the last row end
    return rows;
}

// List rows close with "  </tr>"; grid rows with a row break "    </tr><tr>" or
// the last closing line "     </tr>". Inner rows differ in indent.
const std::vector<std::string> kListRowEnd = {"  </tr>"};
const std::vector<std::string> kGridRowEnds = {"    </tr><tr>", "     </tr>"};

// Lead-in of a week grid: the column of day 1.
int LeadIn(int typeNo, int youbiZero) { return typeNo == 2 ? (youbiZero + 1) % 7 : youbiZero; }

// Rows of the list layouts: one day per row, or days r and r + 16.
Rows ExpectedListRows(int typeNo, int days) {
    Rows rows;
    if (typeNo == 0) {
        for (int d = 1; d <= days; ++d) rows.push_back({d});
    } else {
        for (int r = 1; r <= 16; ++r) rows.push_back(r + 16 <= days ? std::vector{r, r + 16}
                                                                     : std::vector{r});
    }
    return rows;
}

// Rows of a week grid: day d stands at grid position k + d, seven to a row.
Rows ExpectedGridRows(int k, int days) {
    Rows rows((k + days + 6) / 7);
    for (int d = 1; d <= days; ++d) rows[(k + d - 1) / 7].push_back(d);
    return rows;
}

int ExpectedLineCount(int typeNo, int youbiNo, int memoranNo, int youbiZero, int days) {
    const int perDay = typeNo <= 1 ? (memoranNo ? 10 : 7) : (memoranNo ? 8 : 3);
    if (typeNo == 0) return perDay * days;
    if (typeNo == 1) return 32 + perDay * days;
    const int k = LeadIn(typeNo, youbiZero);
    const int dayRows = (k + days + 6) / 7;
    return (youbiNo ? 23 : 0) + 1 + k + perDay * days + (dayRows - 1) + 1;
}

TEST(BodyLayout, LineCountsAndRowsForEveryMonthShapeAndOption) {
    for (int youbiZero = 0; youbiZero < 7; ++youbiZero)
        for (int days = 28; days <= 31; ++days)
            for (int typeNo = 0; typeNo < 4; ++typeNo)
                for (int youbiNo = 0; youbiNo < 4; ++youbiNo)
                    for (int memoranNo = 0; memoranNo < 2; ++memoranNo) {
                        SCOPED_TRACE(testing::Message()
                                     << "youbi_zero " << youbiZero << ", " << days << " days, type "
                                     << typeNo << ", labels " << youbiNo << ", memo " << memoranNo);
                        const Body body = WriteBody(typeNo, youbiNo, memoranNo, youbiZero, days);
                        EXPECT_EQ(body.lines.Count(),
                                  ExpectedLineCount(typeNo, youbiNo, memoranNo, youbiZero, days));
                        if (typeNo <= 1) {
                            EXPECT_EQ(DaysByRow(body.lines, kListRowEnd),
                                      ExpectedListRows(typeNo, days));
                        } else {
                            const int k = LeadIn(typeNo, youbiZero);
                            EXPECT_EQ(std::count(body.lines.begin(), body.lines.end(),
                                                 "      <td></td>"),
                                      k);
                            EXPECT_EQ(DaysByRow(body.lines, kGridRowEnds),
                                      ExpectedGridRows(k, days));
                        }
                    }
}

// A stored weekday outside 0 to 6 still names one of the seven labels.
TEST(BodyLayout, WeekdayOutOfRangeReadsNoLabelOutOfBounds) {
    Body body = WriteBody(0, 2, 0, 0, 28);
    body.dayTbl[1].youbi = 7;
    body.dayTbl[2].youbi = -1;
    html::BodyInput in;
    in.tuki_days = 28;
    in.dayTbl = &body.dayTbl;
    in.youbiName = html::SetWeekdayLabels(2);
    html::Lines lines;
    html::WriteListBody(lines, in);
    EXPECT_EQ(lines[3], "        1 SUN");
    EXPECT_EQ(lines[7 + 3], "        2 SAT");
}

// Months named by the layouts' edge cases, with their rows written out.
struct GridCase {
    int year, month, typeNo;
    int leadIn;
    std::vector<int> lastDayOfRow;  // of every day row, the last row included
};

void PrintTo(const GridCase& c, std::ostream* os) {
    *os << c.year << "-" << c.month << " type " << c.typeNo;
}

class GridEdge : public testing::TestWithParam<GridCase> {};

TEST_P(GridEdge, LeadInAndRows) {
    const GridCase& c = GetParam();
    std::int32_t youbiZero = 0, days = 0;
    model::DayTable dayTbl{};
    model::SetUpMonth(c.year, c.month, youbiZero, days, dayTbl);
    const Body body = WriteBody(c.typeNo, 0, 0, youbiZero, days);
    EXPECT_EQ(std::count(body.lines.begin(), body.lines.end(), "      <td></td>"), c.leadIn);
    std::vector<int> lastDays;
    for (const auto& row : DaysByRow(body.lines, kGridRowEnds)) lastDays.push_back(row.back());
    EXPECT_EQ(lastDays, c.lastDayOfRow);
    // No empty cells complete the last row.
    const int last = body.lines.Count() - 1;
    EXPECT_EQ(body.lines[last - 1], "      </font></td>");
    EXPECT_EQ(body.lines[last], "     </tr>");
}

INSTANTIATE_TEST_SUITE_P(
    Months, GridEdge,
    testing::Values(
        // February 2026 begins on a Sunday: four rows Sunday-left.
        GridCase{2026, 2, 2, 0, {7, 14, 21, 28}},
        GridCase{2026, 2, 3, 6, {1, 8, 15, 22, 28}},
        // February 2021 begins on a Monday: four full rows Sunday-right.
        GridCase{2021, 2, 2, 1, {6, 13, 20, 27, 28}},
        GridCase{2021, 2, 3, 0, {7, 14, 21, 28}},
        // November 2025 begins on a Saturday: six rows Sunday-left.
        GridCase{2025, 11, 2, 6, {1, 8, 15, 22, 29, 30}},
        GridCase{2025, 11, 3, 5, {2, 9, 16, 23, 30}},
        // August 2025, 31 days from a Friday; June 2025, 30 days from a Sunday.
        GridCase{2025, 8, 2, 5, {2, 9, 16, 23, 30, 31}},
        GridCase{2025, 6, 3, 6, {1, 8, 15, 22, 29, 30}}));

}  // namespace
