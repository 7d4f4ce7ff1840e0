// What the widgets of every kind share: showing the control's place, font,
// tooltip, visibility and colours on it.
#pragma once

#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

#include <string>

#include "platform/controls.h"

namespace tessmar {

inline QString qt_text(const std::string& text) { return QString::fromStdString(text); }

// Sets one palette role of widget to color, unless it holds it already.
void set_color(QWidget* widget, QPalette::ColorRole role, Color color);

// The background and text colours of a widget that shows text on a ground of
// its own (text boxes and lists).
void set_box_colors(QWidget* widget, Color back_color, Color fore_color);

// What every kind shares: place, font, tooltip, visibility, accessible name; at the control's
// own place and font, or at the given ones.
void mirror_common(const Control& control, QWidget* widget);
void mirror_common(const Control& control, QWidget* widget, const QRect& rect, const QFont& font);

}  // namespace tessmar
