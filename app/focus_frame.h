// The mark of the keyboard focus: one frame, drawn over whichever control of
// the window has the focus, the same for every kind of control.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace tessmar {

// A frame of its own colours around the focused control, above the window's
// other widgets and transparent to the mouse. It follows the application's
// focus to any direct child of its window and hides while the focus is
// elsewhere (another window, a dialog, none); it moves, resizes and hides with
// the control it frames. It lies just outside the control where the window
// leaves room for it, and otherwise (a "+" button on its "-" button, a button
// that touches its box) on the control's edge, inside it: never over another
// control.
class FocusFrame final : public QWidget {
public:
    explicit FocusFrame(QWidget* window);

    // The frame from its outer edge inwards: a light line that stands out from
    // the dark wood around the control, then a deep blue, a colour that no
    // control of the window wears, that stands out from the control's face.
    static constexpr int light_width = 1;
    static constexpr int blue_width = 2;
    static constexpr int thickness = light_width + blue_width;
    static QColor light() { return {0xFF, 0xFF, 0xFF}; }
    static QColor blue() { return {0x00, 0x50, 0xFF}; }

    // The control that has the focus, framed while it is shown; nullptr while
    // the focus is outside the window.
    QWidget* framed() const { return framed_; }

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);
    void fit();

    QPointer<QWidget> framed_;
};

}  // namespace tessmar
