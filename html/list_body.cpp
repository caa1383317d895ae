// Body rows of the list layouts: one row per day (one column), or sixteen rows
// holding day r on the left and day r + 16 on the right (two columns).
#include <cassert>

#include "html/body_common.h"
#include "html/line_template.h"
#include "html/page.h"

namespace html {

using detail::Block;
using detail::LineSpec;

namespace {

// One-column list, one day per outer row. The inner row stays open.
constexpr LineSpec kOneColumn[] = {
    {2, "<tr>"},
    {4, R"(<td><table border="0" width="100%"><tr>)"},
    {6, R"(<td bgcolor="#{bg}"><font color="#{fg}">)"},
    {8, "{d} {name}"},
    {6, "</font></td>"},
    {4, "</table></td>"},
    {2, "</tr>"},
};

// One-column list with memo cell; no blank between number and label.
constexpr LineSpec kOneColumnMemo[] = {
    {2, "<tr>"},
    {4, R"(<td><table border="0" width="100%"><tr>)"},
    {6, R"(<td bgcolor="#{bg}" width="30%"><font color="#{fg}">)"},
    {8, "{d}{name}"},
    {6, "</font></td>"},
    {6, R"(<td bgcolor="#{mbg}" width="70%"><font color="#{mfg}">)"},
    {0, "<!-- {d}日記入欄 -->"},
    {6, "</font></td></tr>"},
    {4, "</table></td>"},
    {2, "</tr>"},
};

// Day block of the two-column list; the outer row lines come from the caller.
constexpr LineSpec kTwoColumn[] = {
    {4, R"(<td><table border="0" width="100%">)"},
    {6, "<tr>"},
    {8, R"(<td bgcolor="#{bg}"><font color="#{fg}">)"},
    {10, "{d} {name}"},
    {8, "</font></td>"},
    {6, "</tr>"},
    {4, "</table></td>"},
};

constexpr LineSpec kTwoColumnMemo[] = {
    {4, R"(<td><table border="0" width="100%">)"},
    {6, "<tr>"},
    {8, R"(<td bgcolor="#{bg}" width="30%"><font color="#{fg}">)"},
    {10, "{d} {name}"},
    {8, "</font></td>"},
    {8, R"(<td bgcolor="#{mbg}" width="70%"><font color="#{mfg}">)"},
    {0, "<!-- {d}日記入欄 -->"},
    {8, "</font></td>"},
    {6, "</tr>"},
    {4, "</table></td>"},
};

// The outer row of the two-column list, around one or two day blocks.
constexpr LineSpec kRowOpen{2, "<tr>"};
constexpr LineSpec kRowClose{2, "</tr>"};

constexpr int kTwoColumnRows = 16;

class ListWriter {
public:
    ListWriter(Lines& doc, const BodyInput& in)
        : doc_(doc), in_(in) {}

    void OneColumn() {
        const auto block = in_.memoranNo ? Block(kOneColumnMemo) : Block(kOneColumn);
        for (int d = 1; d <= in_.tuki_days; ++d) Day(block, d);
    }

    void TwoColumns() {
        const auto block = in_.memoranNo ? Block(kTwoColumnMemo) : Block(kTwoColumn);
        for (int r = 1; r <= kTwoColumnRows; ++r) {
            detail::AppendLine(doc_, kRowOpen);
            Day(block, r);
            if (r + kTwoColumnRows <= in_.tuki_days) Day(block, r + kTwoColumnRows);
            detail::AppendLine(doc_, kRowClose);
        }
    }

private:
    void Day(std::span<const LineSpec> block, int d) {
        const detail::DayText day(d);
        detail::Fields fields = detail::DayFields(in_, d, day, colours_);
        fields[detail::Slot::kName] = in_.youbiName[detail::WeekdayIndex((*in_.dayTbl)[d].youbi)];
        detail::AppendBlock(doc_, block, fields);
    }

    Lines& doc_;
    const BodyInput& in_;
    detail::ColourTexts colours_;
};

}  // namespace

void WriteListBody(Lines& doc, const BodyInput& in) {
    assert(in.dayTbl != nullptr && (in.typeNo == 0 || in.typeNo == 1));
    assert(in.tuki_days >= 1 && in.tuki_days <= 31);
    ListWriter writer(doc, in);
    if (in.typeNo == 1)
        writer.TwoColumns();
    else
        writer.OneColumn();
}

}  // namespace html
