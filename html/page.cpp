// Head and tail of the page, weekday labels and colour handling.
#include "html/page.h"

#include "html/body_common.h"
#include "html/line_template.h"
#include "vcl/SysUtils.h"

namespace html {

using detail::LineSpec;

namespace {

// Lines 2 to 8 of the page; line 1, "<html>", is in the buffer from the start.
constexpr LineSpec kHead[] = {
    {0, "<head>"},
    {0, "<title> {y}年{m}月 </title>"},
    {0, "</head>"},
    {1, ""},
    {0, "<body>"},
    {0, "<!--ここから-->"},
    {0, R"(<table border="1" width="90%">)"},
};

// The first line closes the outer table opened by the head.
constexpr LineSpec kTail[] = {
    {0, "</table>"},
    {0, "<!-- ここまで -->"},
    {0, "</body>"},
    {0, "</html>"},
};

// The largest page, 31 days in a week grid with labels and memo cells, has
// 296 lines of under 9 KB in all. The page's buffer is given that much room
// once, when the head is written, so that no page moves it while it grows.
constexpr std::size_t kLargestPageLines = 300;
constexpr std::size_t kLargestPageBytes = 10 * 1024;

// Indexed by youbiNo, then by weekday (Sunday first).
constexpr WeekdayNames kWeekdayLabels[] = {
    {"", "", "", "", "", "", ""},
    {"S", "M", "T", "W", "T", "F", "S"},
    {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"},
    {"日", "月", "火", "水", "木", "金", "土"},
};

}  // namespace

void WriteHead(Lines& doc, std::string_view yearText, std::string_view monthText) {
    doc.Reserve(kLargestPageLines, kLargestPageBytes);
    detail::Fields fields;
    fields[detail::Slot::kYear] = yearText;
    fields[detail::Slot::kMonth] = monthText;
    detail::AppendBlock(doc, kHead, fields);
}

void WriteTail(Lines& doc) { detail::AppendBlock(doc, kTail, {}); }

WeekdayNames SetWeekdayLabels(int youbiNo) {
    if (youbiNo < 0 || youbiNo > 3) return kWeekdayLabels[0];
    return kWeekdayLabels[youbiNo];
}

TColor RedBlueExchange(TColor c) {
    const auto v = static_cast<std::uint32_t>(c);
    return static_cast<TColor>((v & 0xFF00u) | ((v & 0xFF0000u) >> 16) | ((v & 0xFFu) << 16));
}

std::string ColourText(TColor exchanged) {
    return IntToHex(static_cast<std::uint32_t>(exchanged), 6);
}

void PrepareColours(model::DayTable& dayTbl, const SampleColours& samples,
                    ClassColours& classColour) {
    for (int d = 1; d <= 31; ++d) {
        dayTbl[d].font = RedBlueExchange(dayTbl[d].font);
        dayTbl[d].base = RedBlueExchange(dayTbl[d].base);
    }
    const auto put = [&](ClassColourIndex font, ClassColourIndex base, const ColourPair& pair) {
        classColour[font] = RedBlueExchange(pair.font);
        classColour[base] = RedBlueExchange(pair.base);
    };
    put(kMemoFont, kMemoBase, samples.memo);
    put(kWeekdayFont, kWeekdayBase, samples.weekday);
    put(kSunFont, kSunBase, samples.sunday);
    put(kSatFont, kSatBase, samples.saturday);
}

void ColourDaysByClass(model::DayTable& dayTbl, int youbi_zero, const SampleColours& samples) {
    for (int d = 1; d <= 31; ++d) {
        const ColourPair* pair = &samples.weekday;
        switch (model::ClassOfWeekday((youbi_zero + d) % 7)) {
            case model::WeekdayClass::Sunday: pair = &samples.sunday; break;
            case model::WeekdayClass::Saturday: pair = &samples.saturday; break;
            case model::WeekdayClass::Weekday: break;
        }
        dayTbl[d].font = pair->font;
        dayTbl[d].base = pair->base;
    }
}

}  // namespace html
