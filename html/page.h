// The calendar page: head and tail of the document, weekday labels, colour
// preparation and colour text, and the body rows of the four layouts.
// Lines are UTF-8 text without line ends; saving encodes them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/month.h"
#include "vcl/Classes.h"

namespace html {

using model::TColor;

// The document buffer: ordered lines, first line "<html>", only appended to.
using Lines = TStrings;

using WeekdayNames = std::array<std::string_view, 7>;

// Order of the class colours on the page.
enum ClassColourIndex {
    kMemoFont, kMemoBase, kSunFont, kSunBase, kSatFont, kSatBase, kWeekdayFont, kWeekdayBase
};
using ClassColours = std::array<TColor, 8>;

// Text and background colour of one sample label.
struct ColourPair {
    TColor font = 0;
    TColor base = 0;
};

// The colours held by the four sample labels when the page is built.
struct SampleColours {
    ColourPair memo, sunday, saturday, weekday;
};

// Gives every day 1 to 31 the colours of its weekday class, as the day grid
// does whenever a class colour changes.
void ColourDaysByClass(model::DayTable& dayTbl, int youbi_zero, const SampleColours& samples);

// Everything the body writers read.
struct BodyInput {
    int typeNo = 0;     // 0 one-column list, 1 two-column list, 2/3 week grid Sunday left/right
    int youbiNo = 0;    // 0 no labels, 1 one letter, 2 three letters, 3 kanji
    int memoranNo = 0;  // 0 no memo column, 1 memo column
    int youbi_zero = 0;
    int tuki_days = 0;
    const model::DayTable* dayTbl = nullptr;
    ClassColours classColour{};
    WeekdayNames youbiName{};
};

// Appends the seven head lines; the title carries the texts as typed.
void WriteHead(Lines& doc, std::string_view yearText, std::string_view monthText);

// The seven weekday labels (Sunday first) of style youbiNo.
WeekdayNames SetWeekdayLabels(int youbiNo);

// Swaps red and blue and clears bits 24-31.
TColor RedBlueExchange(TColor c);

// Six upper-case hex digits of an exchanged value: RRGGBB.
std::string ColourText(TColor exchanged);

// Exchanges every day colour (days 1 to 31) in place, once, and fills the
// class colours from the sample labels' colours, exchanged.
void PrepareColours(model::DayTable& dayTbl, const SampleColours& samples,
                    ClassColours& classColour);

// Body rows of the list layouts (typeNo 0 and 1).
void WriteListBody(Lines& doc, const BodyInput& in);

// Body rows of the week grids (typeNo 2 and 3).
void WriteWeekGrid(Lines& doc, const BodyInput& in);

// Appends the four tail lines, closing the outer table.
void WriteTail(Lines& doc);

}  // namespace html
