// Following the application's focus over the window's controls, and painting
// the frame around the focused one.
#include "focus_frame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace tessmar {

FocusFrame::FocusFrame(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("focus_frame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusFrame::follow(QWidget* focused)
{
    // The control is the window's direct child that holds the focused widget;
    // a window of its own in between (the Save As dialog, a child of the
    // window) is no control, and the frame then hides.
    QWidget* control = focused;
    while (control != nullptr && !control->isWindow() && control->parentWidget() != parentWidget())
        control = control->parentWidget();
    if (control == this || (control != nullptr && control->isWindow())) control = nullptr;
    if (control != framed_) {
        if (framed_) framed_->removeEventFilter(this);
        framed_ = control;
        if (framed_) framed_->installEventFilter(this);
    }
    fit();
}

void FocusFrame::fit()
{
    if (!framed_ || !framed_->isVisible()) {
        hide();
        return;
    }
    // Just outside the control where no other control stands that near, so
    // that the frame covers none of the control's own content (a list's rows
    // fill it to its frame line); else on the control's edge, inside it.
    const QRect control = framed_->geometry();
    const QRect outside = control.adjusted(-thickness, -thickness, thickness, thickness);
    bool room = parentWidget()->rect().contains(outside);
    for (const QObject* child : parentWidget()->children()) {
        if (!room) break;
        const auto* other = qobject_cast<const QWidget*>(child);
        if (other != nullptr && other != this && other != framed_ && !other->isWindow() && other->isVisible() &&
            other->geometry().intersects(outside))
            room = false;
    }
    const QRect place = room ? outside : control;
    if (geometry() != place) setGeometry(place);
    raise();
    show();
    update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == framed_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide: fit(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

// Fills a ring of the given width along the inside of r.
void fill_ring(QPainter& painter, const QRect& r, int width, const QColor& colour)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}

}  // namespace

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    fill_ring(painter, rect(), light_width, light());
    fill_ring(painter, rect().adjusted(light_width, light_width, -light_width, -light_width), blue_width, blue());
}

}  // namespace tessmar
