// Colours and fonts of the toolkit over Qt's palette and fonts.
#pragma once

#include <QColor>
#include <QFont>

#include "model/colour.h"

using model::TColor;

// System colours: bit 31 set, the platform's colour index in the low byte.
inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBlack = model::clBlack;
inline constexpr TColor clWhite = model::clWhite;

// The current RGB value of system colour `index`, read from the application's
// palette (the platform has no table of its own).
TColor GetSysColor(int index);

QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);

// The face the window is designed with, before the fallbacks that stand in for
// it on Linux (IPA P Gothic has the same metrics).
inline constexpr const char* kDesignFontName = "ＭＳ Ｐゴシック";

// A font of the design face; `height` is the character height in pixels.
QFont DesignFont(int height);
