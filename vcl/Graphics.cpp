#include "vcl/Graphics.h"

#include <QApplication>
#include <QPalette>
#include <QStringList>
#include <array>

namespace {

struct SystemColourRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The platform's system colour indices 0 to 30, each read from the palette
// role that plays the same part.
constexpr std::array<SystemColourRole, 31> kSystemColourRoles = {{
    {QPalette::Active, QPalette::Mid},              // 0 scroll bar
    {QPalette::Active, QPalette::Dark},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},      // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Window},           // 10 active border
    {QPalette::Inactive, QPalette::Window},         // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlighted text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Mid},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText},// 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 tooltip background
    {QPalette::Active, QPalette::Window},           // 25 unused
    {QPalette::Active, QPalette::Link},             // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},        // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},      // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
}};

}  // namespace

TColor GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(kSystemColourRoles.size())) return clBlack;
    const auto [group, role] = kSystemColourRoles[index];
    return FromQColor(QApplication::palette().color(group, role));
}

QColor ToQColor(TColor c) {
    const TColor rgb = model::PlainRgb(c, GetSysColor);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QFont DesignFont(int height) {
    static const bool substituted = [] {
        // The design face does not exist on Linux: Qt falls back through this
        // list, most alike first.
        QFont::insertSubstitutions(kDesignFontName,
                                   {"IPAPGothic", "IPA Pゴシック", "VL PGothic", "Noto Sans CJK JP",
                                    "IPAGothic", "TakaoPGothic"});
        return true;
    }();
    (void)substituted;
    QFont font(kDesignFontName);
    font.setPixelSize(height);
    return font;
}
