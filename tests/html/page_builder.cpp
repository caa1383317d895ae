#include "page_builder.h"

#include <sstream>
#include <stdexcept>
#include <vector>

#include "vcl/SysUtils.h"

namespace html_test {

namespace {

struct Assignment {
    std::string target;
    html::TColor colour;
};

std::vector<Assignment> ParseColours(const std::string& text) {
    std::vector<Assignment> out;
    if (text == "-") return out;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, ';');) {
        const auto eq = item.find('=');
        if (eq == std::string::npos) throw std::invalid_argument("bad colour item: " + item);
        out.push_back({item.substr(0, eq), StoredColour(item.substr(eq + 1))});
    }
    return out;
}

// The sample label pair named by "sun", "sat", "wk" or "memo".
html::ColourPair* SampleOf(html::SampleColours& s, const std::string& name) {
    if (name == "sun") return &s.sunday;
    if (name == "sat") return &s.saturday;
    if (name == "wk") return &s.weekday;
    if (name == "memo") return &s.memo;
    return nullptr;
}

void Set(html::TColor& font, html::TColor& base, const std::string& which, html::TColor c) {
    if (which == "font")
        font = c;
    else if (which == "base")
        base = c;
    else
        throw std::invalid_argument("bad colour field: " + which);
}

}  // namespace

html::TColor StoredColour(const std::string& rrggbb) {
    const auto v = static_cast<std::uint32_t>(std::stoul(rrggbb, nullptr, 16));
    return static_cast<html::TColor>(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
}

html::Lines BuildPage(const PageOptions& o) {
    std::int32_t youbiZero = 0, days = 0;
    model::DayTable dayTbl{};
    model::SetUpMonth(StrToInt(o.yearText), StrToInt(o.monthText), youbiZero, days, dayTbl);

    html::SampleColours samples{{model::clBlack, model::clWhite},
                                {model::clBlack, model::clFuchsia},
                                {model::clBlack, model::clAqua},
                                {model::clBlack, model::clWhite}};
    const auto assignments = ParseColours(o.colours);
    for (const auto& a : assignments) {
        const auto dot = a.target.find('.');
        if (html::ColourPair* pair = SampleOf(samples, a.target.substr(0, dot)))
            Set(pair->font, pair->base, a.target.substr(dot + 1), a.colour);
    }
    html::ColourDaysByClass(dayTbl, youbiZero, samples);
    for (const auto& a : assignments) {
        if (a.target.rfind("day", 0) != 0) continue;
        const auto dot = a.target.find('.');
        const int d = std::stoi(a.target.substr(3, dot - 3));
        Set(dayTbl.at(d).font, dayTbl.at(d).base, a.target.substr(dot + 1), a.colour);
    }

    html::Lines doc{"<html>"};
    html::WriteHead(doc, o.yearText, o.monthText);
    html::BodyInput in;
    in.typeNo = o.typeNo;
    in.youbiNo = o.youbiNo;
    in.memoranNo = o.memoranNo;
    in.youbi_zero = youbiZero;
    in.tuki_days = days;
    in.dayTbl = &dayTbl;
    in.youbiName = html::SetWeekdayLabels(o.youbiNo);
    html::PrepareColours(dayTbl, samples, in.classColour);
    if (o.typeNo <= 1)
        html::WriteListBody(doc, in);
    else
        html::WriteWeekGrid(doc, in);
    html::WriteTail(doc);
    return doc;
}

}  // namespace html_test
