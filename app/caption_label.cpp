// A label as a transparent caption, fitted again only when its caption, place
// or font changes, and painted with its edge strokes first, then the letters.
#include "caption_label.h"

#include <QPainter>

#include "screen_units.h"
#include "widget_mirror.h"

namespace tessmar {

CaptionLabel::CaptionLabel(Label& label, QWidget* parent) : QLabel(parent), label_(label)
{
    setObjectName(qt_text(label.name()));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lower();
}

void CaptionLabel::mirror()
{
    const QString caption = qt_text(label_.caption);
    const QRect place = pixel_rect(label_.place);
    if (!fitted_ || caption != fitted_caption_ || place != fitted_place_ || label_.font != fitted_for_) {
        room_ = CaptionRoom::fit(caption, place, screen_font(label_.font), label_.name());
        fitted_caption_ = caption;
        fitted_place_ = place;
        fitted_for_ = label_.font;
        fitted_ = true;
    }
    mirror_common(label_, this, room_.rect, room_.font);
    set_color(this, QPalette::WindowText, label_.fore_color);
    if (text() != caption) setText(caption);
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect room = caption_area(contentsRect());
    if (laid_out_.text() != text() || laid_out_.textWidth() != room.width() || laid_out_font_ != font()) {
        laid_out_.setTextFormat(Qt::PlainText);
        laid_out_.setTextWidth(room.width());  // wraps at word breaks
        laid_out_.setText(text());
        laid_out_.prepare(QTransform(), font());
        laid_out_font_ = font();
    }
    const QColor fore = palette().color(QPalette::WindowText);
    const bool dark_caption = 0.299 * fore.red() + 0.587 * fore.green() + 0.114 * fore.blue() < 110;
    const QColor edge = dark_caption ? QColor(255, 228, 196, 150) : QColor(0, 0, 0, 150);
    painter.setPen(edge);
    for (const QPoint step : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
        painter.drawStaticText(room.topLeft() + step, laid_out_);
    painter.setPen(fore);
    painter.drawStaticText(room.topLeft(), laid_out_);
}

}  // namespace tessmar
