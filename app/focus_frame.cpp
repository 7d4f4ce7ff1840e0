// Setting Qt's focus frame on the window's focused control, placing it by the
// room around that control, and painting it.
#include "focus_frame.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>

#include <algorithm>

namespace tessmar {

// The frame's own style, the application's but for the two answers by which QFocusFrame places itself.
class FocusFrame::Placement final : public QProxyStyle {
public:
    explicit Placement(const FocusFrame& frame) : QProxyStyle(QApplication::style()->name()), frame_(frame) {}

    // The margins are the frame's choice for its control, outside it or on its edge.
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) return frame_.margin();
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // Above the control, which the frame covers where it lies on its edge.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_FocusFrame_AboveWidget) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    const FocusFrame& frame_;
};

FocusFrame::FocusFrame(QWidget* window) : QFocusFrame(window)
{
    setObjectName(QStringLiteral("focus_frame"));
    auto* placement = new Placement(*this);
    placement->setParent(this);  // setStyle does not own it; the frame's child goes with the frame
    setStyle(placement);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

// The window's control that holds the focus; QFocusFrame takes a window (the Save As dialog) as none.
void FocusFrame::follow(QWidget* focused)
{
    QWidget* control = focused;
    while (control != nullptr && !control->isWindow() && control->parentWidget() != parentWidget())
        control = control->parentWidget();
    setWidget(control);
}

// Outside where no control stands that near, to cover none of the control's content (a list's rows); else on its edge.
int FocusFrame::margin() const
{
    const QWidget* control = widget();
    if (control == nullptr) return 0;
    const QRect outside = control->geometry().adjusted(-thickness, -thickness, thickness, thickness);
    if (!parentWidget()->rect().contains(outside)) return 0;
    const QObjectList& children = parentWidget()->children();
    const bool crowded = std::any_of(children.begin(), children.end(), [&](const QObject* child) {
        const auto* other = qobject_cast<const QWidget*>(child);
        return other != nullptr && other != this && other != control && !other->isWindow() && other->isVisible() &&
               other->geometry().intersects(outside);
    });
    return crowded ? 0 : thickness;
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
