// Twips, fonts and colours of the window model turned into pixels, Qt fonts
// and Qt colours.
#include "screen_units.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace tessmar {

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QRect pixel_rect(const Place& place)
{
    return {pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)};
}

QFont screen_font(const Font& font)
{
    // Liberation Sans first; what it has no letter for comes from the faces
    // after it: emoji in colour, then the scripts beyond Latin, Greek and
    // Cyrillic (DejaVu also draws emoji, but in black).
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Color Emoji"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(std::lround(font.points * 96 / 72)));
    f.setBold(font.bold);
    return f;
}

namespace {

// The palette role that stands for a system colour number.
QPalette::ColorRole system_role(unsigned number)
{
    switch (number) {
    case 0x00: return QPalette::Button;           // scroll bars
    case 0x01: return QPalette::Dark;             // desktop
    case 0x02: return QPalette::Highlight;        // active caption
    case 0x04: return QPalette::Window;           // menu
    case 0x05: return QPalette::Base;             // window background
    case 0x06: return QPalette::Shadow;           // window frame
    case 0x07: return QPalette::WindowText;       // menu text
    case 0x08: return QPalette::Text;             // window text
    case 0x09: return QPalette::HighlightedText;  // caption text
    case 0x0D: return QPalette::Highlight;        // highlight
    case 0x0E: return QPalette::HighlightedText;  // highlighted text
    case 0x0F: return QPalette::Button;           // button face
    case 0x10: return QPalette::Dark;             // button shadow
    case 0x11: return QPalette::PlaceholderText;  // grey text
    case 0x12: return QPalette::ButtonText;       // button text
    case 0x14: return QPalette::Light;            // three-dimensional highlight
    case 0x15: return QPalette::Shadow;           // three-dimensional dark shadow
    case 0x16: return QPalette::Midlight;         // three-dimensional light edge
    case 0x17: return QPalette::ToolTipText;      // tooltip text
    case 0x18: return QPalette::ToolTipBase;      // tooltip background
    default: return QPalette::Window;
    }
}

}  // namespace

QColor screen_color(Color color)
{
    if (is_system_color(color)) return QApplication::palette().color(system_role(color & 0xFFu));
    return QColor(color & 0xFFu, (color >> 8) & 0xFFu, (color >> 16) & 0xFFu);
}

}  // namespace tessmar
