// Showing the state that every control has (place, font, tooltip, visibility,
// accessible name, colours) on its widget, changing only what differs.
#include "widget_mirror.h"

#include "screen_units.h"

namespace tessmar {

void set_color(QWidget* widget, QPalette::ColorRole role, Color color)
{
    const QColor wanted = screen_color(color);
    if (widget->palette().color(role) == wanted) return;
    QPalette palette = widget->palette();
    palette.setColor(role, wanted);
    widget->setPalette(palette);
}

void set_box_colors(QWidget* widget, Color back_color, Color fore_color)
{
    set_color(widget, QPalette::Base, back_color);
    set_color(widget, QPalette::Text, fore_color);
}

void mirror_common(const Control& control, QWidget* widget, const QRect& rect, const QFont& font)
{
    if (widget->geometry() != rect) widget->setGeometry(rect);
    if (widget->font() != font) widget->setFont(font);
    const QString tip = qt_text(control.tooltip);
    if (widget->toolTip() != tip) widget->setToolTip(tip);
    if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
    const QString name = qt_text(control.accessible_name);
    if (!name.isEmpty() && widget->accessibleName() != name) widget->setAccessibleName(name);
}

void mirror_common(const Control& control, QWidget* widget)
{
    mirror_common(control, widget, pixel_rect(control.place), screen_font(control.font));
}

}  // namespace tessmar
