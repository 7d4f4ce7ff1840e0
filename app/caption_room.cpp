// Fitting a label's caption into its place or the free picture beside it,
// measured against the window description.
#include "caption_room.h"

#include <QFontMetrics>

#include <algorithm>

#include "screen_units.h"
#include "window/window_description.h"

namespace tessmar {

CaptionRoom CaptionRoom::fit(const QString& caption, const QRect& place, const QFont& font, std::string_view name)
{
    if (fits(caption, place.size(), font)) return {place, font};
    const int one_line = QFontMetrics(font).boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, caption).width();
    const int extra = std::max(one_line + 2 * caption_edge - place.width(), 1);
    const QRect right(place.right() + 1, place.top(), extra, place.height());
    if (is_free_picture(right, name)) return {place.adjusted(0, 0, extra, 0), font};
    const QRect left(place.left() - extra, place.top(), extra, place.height());
    if (is_free_picture(left, name)) return {place.adjusted(-extra, 0, 0, 0), font};
    QFont smaller = font;
    smaller.setPixelSize(font.pixelSize() - 1);
    return {place, smaller};
}

bool CaptionRoom::fits(const QString& caption, QSize room, const QFont& font)
{
    const QRect area = caption_area(QRect(QPoint(0, 0), room));
    const QRect wrapped =
        QFontMetrics(font).boundingRect(QRect(0, 0, area.width(), 1 << 20), Qt::TextWordWrap, caption);
    return wrapped.width() <= area.width() && wrapped.height() <= area.height();
}

bool CaptionRoom::is_free_picture(const QRect& strip, std::string_view name)
{
    const WindowDescription& window = form1_window();
    if (!QRect(0, 0, pixels(window.client_width), pixels(window.client_height)).contains(strip)) return false;
    for (const ControlDescription& other : form1_controls())
        if (other.name != name && other.kind != ControlKind::FileDialog && pixel_rect(other.place).intersects(strip))
            return false;
    return true;
}

}  // namespace tessmar
