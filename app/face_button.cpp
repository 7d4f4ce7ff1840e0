// Painting a button's face, edge and caption; Return and Enter as clicks.
#include "face_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace tessmar {

void FaceButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();
    const QColor face = palette().color(QPalette::Button);
    const QColor light = face.lighter(160);
    const QColor dark = face.darker(190);
    painter.fillRect(r, face);
    painter.setPen(isDown() ? dark : light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(isDown() ? light : dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(r, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    // The keyboard focus is marked by the window's focus frame, over every kind of control.
}

void FaceButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) click();
}

}  // namespace tessmar
