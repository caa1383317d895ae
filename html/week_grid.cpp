// Body rows of the week grids: an optional header row of weekday labels, then
// the days in seven columns, Sunday first (typeNo 2) or Sunday last (typeNo 3).
#include <array>
#include <utility>
#include <cassert>

#include "html/body_common.h"
#include "html/line_template.h"
#include "html/page.h"

namespace html {

using detail::kLayoutIndent;
using detail::LineSpec;

namespace {

struct GridLayout {
    int headerOpenIndent;       // indent of the header row's <tr>
    int memoBreakIndent;        // indent of the row break inside a memo cell
    std::array<int, 7> column;  // weekday shown in each column, left to right
};

constexpr GridLayout kSundayLeft{4, 8, {0, 1, 2, 3, 4, 5, 6}};
constexpr GridLayout kSundayRight{2, 6, {1, 2, 3, 4, 5, 6, 0}};

constexpr LineSpec kHeaderCell[] = {
    {6, R"(<td bgcolor="#{bg}" width="14%"><font color ="#{fg}">)"},
    {0, "{name}"},
    {6, "</font></td>"},
};

constexpr LineSpec kDayCell[] = {
    {6, R"(<td bgcolor="#{bg}"><font color ="#{fg}">)"},
    {8, "{d}"},
    {6, "</font></td>"},
};

// The outer <td> of a memo cell is never closed; the memo area's font tag has
// no blank before "=" unlike the day cells.
constexpr LineSpec kMemoDayCell[] = {
    {6, R"(<td><table border="0" width="100%"><tr>)"},
    {8, R"(<td bgcolor="#{bg}"><font color ="#{fg}">)"},
    {12, "{d}"},
    {8, "</font></td>"},
    {kLayoutIndent, "</tr><tr>"},
    {8, R"(<td bgcolor="#{mbg}"><font color="#{mfg}">)"},
    {0, "\u3000<!-- {d}日記入欄 -->"},
    {8, "</font></td></tr></table>"},
};

// The row lines differ in indent: header row opened per layout and closed
// at 4, first day row opened at 6, row breaks at 4, last row closed at 5.
constexpr LineSpec kHeaderOpen{kLayoutIndent, "<tr>"};
constexpr LineSpec kHeaderClose{4, "</tr>"};
constexpr LineSpec kDaysOpen{6, "<tr>"};
constexpr LineSpec kLeadInCell{6, "<td></td>"};
constexpr LineSpec kRowBreak{4, "</tr><tr>"};
constexpr LineSpec kDaysClose{5, "</tr>"};

class GridWriter {
public:
    GridWriter(Lines& doc, const BodyInput& in, const GridLayout& layout)
        : doc_(doc),
          in_(in),
          layout_(layout),
          youbiZero_(detail::WeekdayIndex(in.youbi_zero)) {}

    void Write() {
        const auto cell = in_.memoranNo ? detail::Block(kMemoDayCell) : detail::Block(kDayCell);
        if (in_.youbiNo != 0) HeaderRow();
        detail::AppendLine(doc_, kDaysOpen);
        for (int i = 0; i < LeadIn(); ++i) detail::AppendLine(doc_, kLeadInCell);
        int count = youbiZero_;
        for (int d = 1; d <= in_.tuki_days; ++d) {
            DayCell(cell, d);
            ++count;
            const bool endsRow = count % 7 == layout_.column[6];
            if (endsRow && d != in_.tuki_days) detail::AppendLine(doc_, kRowBreak);
        }
        detail::AppendLine(doc_, kDaysClose);
    }

private:
    // Empty cells before day 1: the column of day 1's weekday.
    int LeadIn() const {
        const int firstWeekday = (youbiZero_ + 1) % 7;
        return (firstWeekday - layout_.column[0] + 7) % 7;
    }

    void HeaderRow() {
        kHeaderOpen.AppendTo(doc_, {}, layout_.headerOpenIndent);
        for (int w : layout_.column) {
            const auto [base, font] = ClassColourIndices(w);
            detail::Fields fields;
            fields[detail::Slot::kName] = in_.youbiName[w];
            fields[detail::Slot::kBg] = colours_.Of(in_.classColour[base]);
            fields[detail::Slot::kFg] = colours_.Of(in_.classColour[font]);
            detail::AppendBlock(doc_, kHeaderCell, fields);
        }
        detail::AppendLine(doc_, kHeaderClose);
    }

    // Background and font entries of the class colours of a weekday.
    static std::pair<ClassColourIndex, ClassColourIndex> ClassColourIndices(int weekday) {
        switch (model::ClassOfWeekday(weekday)) {
            case model::WeekdayClass::Sunday:
                return {kSunBase, kSunFont};
            case model::WeekdayClass::Saturday:
                return {kSatBase, kSatFont};
            case model::WeekdayClass::Weekday:
                break;
        }
        return {kWeekdayBase, kWeekdayFont};
    }

    void DayCell(std::span<const LineSpec> cell, int d) {
        const detail::DayText day(d);
        detail::AppendBlock(doc_, cell, detail::DayFields(in_, d, day, colours_),
                            layout_.memoBreakIndent);
    }

    Lines& doc_;
    const BodyInput& in_;
    const GridLayout& layout_;
    const int youbiZero_;
    detail::ColourTexts colours_;
};

}  // namespace

void WriteWeekGrid(Lines& doc, const BodyInput& in) {
    assert(in.dayTbl != nullptr && (in.typeNo == 2 || in.typeNo == 3));
    assert(in.tuki_days >= 1 && in.tuki_days <= 31);
    GridWriter(doc, in, in.typeNo == 3 ? kSundayRight : kSundayLeft).Write();
}

}  // namespace html
