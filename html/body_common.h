// Helpers shared by the body writers.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "html/line_template.h"
#include "html/page.h"

namespace html::detail {

// Colour texts of the values met while one body is written. A page has few
// distinct colours, often a handful, and each text is made only once.
class ColourTexts {
public:
    // The text of an exchanged value; valid as long as this object.
    std::string_view Of(TColor exchanged) {
        for (std::size_t i = 0; i < size_; ++i)
            if (entries_[i].value == exchanged) return entries_[i].view();
        if (size_ == entries_.size()) return Store(overflow_, exchanged);
        return Store(entries_[size_++], exchanged);
    }

private:
    struct Entry {
        TColor value;
        char text[6];
        std::string_view view() const { return {text, sizeof text}; }
    };

    static std::string_view Store(Entry& e, TColor value) {
        e.value = value;
        std::memcpy(e.text, ColourText(value).data(), sizeof e.text);
        return e.view();
    }

    // Room for every colour of a page: two per day and the eight class colours.
    std::array<Entry, 2 * 31 + 8> entries_;
    std::size_t size_ = 0;
    Entry overflow_;  // never needed by a page; keeps a text valid regardless
};

// The fields that every layout's day cell fills: the day's number, its own
// colours and the memo colours. `text`, day d's number, must outlive them.
inline Fields DayFields(const BodyInput& in, int d, const DayText& text, ColourTexts& colours) {
    const model::DayRec& rec = (*in.dayTbl)[d];
    Fields fields;
    fields[Slot::kDay] = text.view();
    fields[Slot::kBg] = colours.Of(rec.base);
    fields[Slot::kFg] = colours.Of(rec.font);
    fields[Slot::kMemoBg] = colours.Of(in.classColour[kMemoBase]);
    fields[Slot::kMemoFg] = colours.Of(in.classColour[kMemoFont]);
    return fields;
}

// A weekday index 0 to 6 for any stored value, so that a label table of seven
// entries is never read out of bounds.
constexpr int WeekdayIndex(int weekday) { return ((weekday % 7) + 7) % 7; }

}  // namespace html::detail
