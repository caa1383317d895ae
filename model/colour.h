// Colour values as the window toolkit stores them: red in bits 0-7, green in
// bits 8-15, blue in bits 16-23. A value with bit 31 set names a system colour
// of the platform whose index is the low byte.
#pragma once

#include <cstdint>

namespace model {

using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clAqua = 0xFFFF00;     // green and blue
inline constexpr TColor clFuchsia = 0xFF00FF;  // red and blue

constexpr bool IsSystemColour(TColor c) { return c < 0; }

// Looks up the current RGB value of the platform's system colour `index`.
using SystemColourLookup = TColor (*)(int index);

// A system colour is replaced by its current RGB value; plain values pass.
constexpr TColor PlainRgb(TColor c, SystemColourLookup lookup) {
    return IsSystemColour(c) ? lookup(c & 0xFF) : c;
}

// The three weekday classes that share one pair of colours each.
enum class WeekdayClass { Sunday, Saturday, Weekday };

constexpr WeekdayClass ClassOfWeekday(int weekday) {
    if (weekday == 0) return WeekdayClass::Sunday;
    if (weekday == 6) return WeekdayClass::Saturday;
    return WeekdayClass::Weekday;
}

}  // namespace model
