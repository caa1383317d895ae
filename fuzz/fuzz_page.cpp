// Builds whole pages from arbitrary options, month shapes, colours and typed
// year/month texts, the way step 3 does, and checks what must hold for every
// page whatever the input:
//   - head 8 lines with the texts as typed in the title, tail 4 lines;
//   - the body's line count for its layout;
//   - every colour on the page is six upper-case hex digits RRGGBB, and is one
//     of the colours that went in (red and blue swapped, top byte dropped);
//   - the colour preparation itself: days 1-31 exchanged in place, class
//     colours in page order;
//   - the encoded file: no BOM, CR LF after every line, its size the sum of
//     the Shift-JIS line lengths plus 2 per line, ASCII lines byte for byte,
//     ending in "</html>\r\n".
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "html/file.h"
#include "html/page.h"
#include "vcl/SysUtils.h"

namespace {

using model::TColor;

// The document's lines as plain strings, read through the buffer's iteration
// alone, so that the checks below do not depend on how it keeps them.
using LineCopy = std::vector<std::string>;
LineCopy Copy(const html::Lines& doc) {
    LineCopy lines;
    for (std::string_view line : doc) lines.emplace_back(line);
    return lines;
}

[[noreturn]] void Fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "page invariant broken: %s %s\n", what, detail.c_str());
    std::abort();
}

// A typed entry that the step-1 conversion accepts: the raw bytes when they
// already are one, else one built from the accepted forms.
std::string AcceptedText(FuzzedDataProvider& in) {
    std::string text = in.ConsumeRandomLengthString(16);
    if (TryStrToInt(text)) return text;
    text.assign(in.ConsumeIntegralInRange(0, 3), ' ');
    const std::uint32_t value = in.ConsumeIntegral<std::uint32_t>();
    char digits[16];
    if (in.ConsumeBool()) {
        static constexpr const char* kPrefixes[] = {"$", "x", "X", "0x", "0X"};
        text += kPrefixes[in.ConsumeIntegralInRange(0, 4)];
        text.append(in.ConsumeIntegralInRange(0, 3), '0');
        std::snprintf(digits, sizeof digits, in.ConsumeBool() ? "%X" : "%x", value);
    } else {
        const auto signedValue = static_cast<std::int32_t>(value);
        if (signedValue >= 0 && in.ConsumeBool()) text += '+';
        std::snprintf(digits, sizeof digits, "%d", signedValue);
    }
    text += digits;
    if (!TryStrToInt(text)) Fail("built entry refused:", text);
    return text;
}

// RRGGBB of a stored value (red in bits 0-7), written out here on its own.
std::string Rrggbb(TColor stored) {
    const auto v = static_cast<std::uint32_t>(stored);
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    return text;
}

TColor Exchanged(TColor stored) {
    const auto v = static_cast<std::uint32_t>(stored);
    return static_cast<TColor>(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
}

// Body lines: one-column list 7 or 10 per day; two-column list 16 rows of
// <tr></tr> around the same blocks; week grids an optional 23-line header,
// the row opening, the lead-in cells, 3 or 8 lines per day, a row break
// between day rows and the closing line.
std::size_t BodyLines(const html::BodyInput& in) {
    const std::size_t perDay = in.memoranNo ? 10 : 7;
    if (in.typeNo == 0) return perDay * in.tuki_days;
    if (in.typeNo == 1) return 32 + perDay * in.tuki_days;
    const int leadIn = in.typeNo == 2 ? (in.youbi_zero + 1) % 7 : in.youbi_zero;
    const int rows = (leadIn + in.tuki_days + 6) / 7;
    return (in.youbiNo ? 23 : 0) + 1 + leadIn + (in.memoranNo ? 8 : 3) * in.tuki_days +
           (rows - 1) + 1;
}

// Shift-JIS bytes of a UTF-8 line of this page: ASCII stays one byte, every
// other character on the page (kana, kanji, the ideographic space) is two.
std::size_t ShiftJisLength(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8) {
        if (c < 0x80) n += 1;
        else if (c >= 0xC0) n += 2;  // a lead byte; continuation bytes add nothing
    }
    return n;
}

bool IsAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

// Every `color="#` / `color ="#` (bgcolor included) is followed by six
// upper-case hex digits and a quote, and names a colour that went in.
void CheckColourTexts(const LineCopy& doc, std::size_t from, std::size_t to,
                      const std::set<std::string>& allowed) {
    for (std::size_t i = from; i < to; ++i) {
        const std::string line(doc[i]);
        for (std::size_t at = line.find("color"); at != std::string::npos;
             at = line.find("color", at + 1)) {
            std::size_t p = at + 5;
            if (line.compare(p, 1, " ") == 0) ++p;
            if (line.compare(p, 3, "=\"#") != 0) Fail("colour attribute without =\"#:", line);
            const std::string text = line.substr(p + 3, 7);
            if (text.size() != 7 || text[6] != '"') Fail("colour text not six long:", line);
            for (int k = 0; k < 6; ++k)
                if (!((text[k] >= '0' && text[k] <= '9') || (text[k] >= 'A' && text[k] <= 'F')))
                    Fail("colour text not upper-case hex:", line);
            if (!allowed.count(text.substr(0, 6))) Fail("colour that never went in:", line);
        }
    }
}

void CheckEncoding(const LineCopy& doc, const std::string& bytes) {
    std::size_t expected = 0;
    for (std::string_view line : doc) expected += ShiftJisLength(line) + 2;
    if (bytes.size() != expected) Fail("encoded size", std::to_string(bytes.size()));
    if (bytes.compare(0, 8, "<html>\r\n") != 0) Fail("file does not start with <html> CR LF");
    if (bytes.size() < 9 || bytes.compare(bytes.size() - 9, 9, "</html>\r\n") != 0)
        Fail("file does not end with </html> CR LF");
    // Line by line: the right length, CR LF after it, and no CR or LF inside.
    std::size_t at = 0;
    for (std::string_view view : doc) {
        const std::string line(view);
        const std::size_t n = ShiftJisLength(line);
        const std::string_view encoded(bytes.data() + at, n);
        if (encoded.find_first_of("\r\n") != std::string_view::npos) Fail("line break in", line);
        if (IsAscii(line) && encoded != line) Fail("ASCII line changed:", line);
        if (bytes.compare(at + n, 2, "\r\n") != 0) Fail("no CR LF after", line);
        at += n + 2;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);

    html::BodyInput body;
    body.typeNo = in.ConsumeIntegralInRange(0, 3);
    body.youbiNo = in.ConsumeIntegralInRange(0, 3);
    body.memoranNo = in.ConsumeIntegralInRange(0, 1);
    body.tuki_days = in.ConsumeIntegralInRange(28, 31);
    body.youbi_zero = in.ConsumeIntegralInRange(0, 6);

    // The month as step 1 lays it out: weekdays of days 1 to tuki_days only.
    model::DayTable dayTbl{};
    for (int d = 1; d <= body.tuki_days; ++d) dayTbl[d].youbi = (body.youbi_zero + d) % 7;
    for (int d = 1; d <= 31; ++d) {
        dayTbl[d].font = in.ConsumeIntegral<TColor>();
        dayTbl[d].base = in.ConsumeIntegral<TColor>();
    }
    html::SampleColours samples;
    for (html::ColourPair* pair : {&samples.memo, &samples.sunday, &samples.saturday,
                                   &samples.weekday}) {
        pair->font = in.ConsumeIntegral<TColor>();
        pair->base = in.ConsumeIntegral<TColor>();
    }
    const std::string yearText = AcceptedText(in);
    const std::string monthText = AcceptedText(in);

    std::set<std::string> allowed;
    const model::DayTable stored = dayTbl;
    for (int d = 1; d <= 31; ++d) allowed.insert({Rrggbb(stored[d].font), Rrggbb(stored[d].base)});
    for (const html::ColourPair& p : {samples.memo, samples.sunday, samples.saturday,
                                      samples.weekday})
        allowed.insert({Rrggbb(p.font), Rrggbb(p.base)});

    html::Lines doc{"<html>"};
    html::WriteHead(doc, yearText, monthText);
    LineCopy lines = Copy(doc);
    if (lines.size() != 8) Fail("head lines", std::to_string(lines.size()));
    if (lines[2] != "<title> " + yearText + "年" + monthText + "月 </title>") Fail("title", lines[2]);

    body.youbiName = html::SetWeekdayLabels(body.youbiNo);
    html::PrepareColours(dayTbl, samples, body.classColour);
    for (int d = 1; d <= 31; ++d)
        if (dayTbl[d].font != Exchanged(stored[d].font) || dayTbl[d].base != Exchanged(stored[d].base))
            Fail("day colour not exchanged once:", std::to_string(d));
    const html::ClassColours classOrder{samples.memo.font,     samples.memo.base,
                                        samples.sunday.font,   samples.sunday.base,
                                        samples.saturday.font, samples.saturday.base,
                                        samples.weekday.font,  samples.weekday.base};
    for (int k = 0; k < 8; ++k)
        if (body.classColour[k] != Exchanged(classOrder[k]))
            Fail("class colour", std::to_string(k));

    body.dayTbl = &dayTbl;
    if (body.typeNo <= 1) html::WriteListBody(doc, body);
    else html::WriteWeekGrid(doc, body);
    lines = Copy(doc);
    const std::size_t bodyEnd = lines.size();
    if (bodyEnd - 8 != BodyLines(body))
        Fail("body lines", std::to_string(bodyEnd - 8) + " for type " + std::to_string(body.typeNo) +
                               " memo " + std::to_string(body.memoranNo) + " days " +
                               std::to_string(body.tuki_days) + " youbi_zero " +
                               std::to_string(body.youbi_zero));
    CheckColourTexts(lines, 8, bodyEnd, allowed);

    html::WriteTail(doc);
    lines = Copy(doc);
    if (lines.size() != bodyEnd + 4 || lines[bodyEnd] != "</table>" || lines.back() != "</html>")
        Fail("tail lines");

    CheckEncoding(lines, html::EncodeDocument(doc));
    return 0;
}
