// The main window's description: every control with its place, look and
// click handler, the stacking order and the tab order.
#pragma once

#include <string>

#include "vcl/Forms.h"

// Names of the three controls of day d (1 to 31). Day 15's background
// button is called "day15bbase".
std::string DayLabelName(int d);
std::string DayFontName(int d);
std::string DayBaseName(int d);

// The weekday-class samples, left to right, with their buttons named
// sample + "font" and sample + "base".
inline constexpr const char* kSampleNames[] = {"heizitu", "doyou", "nichiyou", "memo"};

FormDesc MainWindowDescription();
