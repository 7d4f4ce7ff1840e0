// The window model's units on screen: twips as pixels, its fonts as Qt fonts
// and its colours (stored or system) as Qt colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "platform/controls.h"

namespace tessmar {

// Twips to pixels at 96 dpi (15 twips to the pixel).
int pixels(int twips);
QRect pixel_rect(const Place& place);
// The sans-serif face installed for MS Sans Serif, at the pixel size of its point size at 96 dpi.
QFont screen_font(const Font& font);
// A stored colour, a system colour &H800000nn& taken from the application's palette.
QColor screen_color(Color color);

}  // namespace tessmar
