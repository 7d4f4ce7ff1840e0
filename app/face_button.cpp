// A button's caption (with no keyboard mnemonics) and colours, its face and
// edge painted, its clicks (also by Return and Enter) handed to the model.
#include "face_button.h"

#include <QKeyEvent>
#include <QPainter>

#include "widget_mirror.h"

namespace tessmar {

FaceButton::FaceButton(Button& button, QWidget* parent, RunEvent run) : QPushButton(parent), button_(button)
{
    setObjectName(qt_text(button.name()));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this, run] { run([this] { button_.click(); }); });
}

void FaceButton::mirror()
{
    mirror_common(button_, this);
    QString caption = qt_text(button_.caption);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));  // no keyboard mnemonics
    if (text() != caption) setText(caption);
    set_color(this, QPalette::Button, button_.back_color);
    set_color(this, QPalette::ButtonText, system_color::button_text);
}

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
