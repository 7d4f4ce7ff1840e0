// The mark of the keyboard focus: one frame, drawn over whichever control of
// the window has the focus, the same for every kind of control.
#pragma once

#include <QColor>
#include <QFocusFrame>

namespace tessmar {

// Qt's focus frame in colours of its own, set on the window's control that has
// the application's focus and on none while the focus is elsewhere (another
// window, a dialog, none). It lies just outside the control where the window
// leaves room for it, and otherwise (a "+" button on its "-" button, a button
// that touches its box) on the control's edge, inside it: never over another
// control.
class FocusFrame final : public QFocusFrame {
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

protected:
    void paintEvent(QPaintEvent*) override;

private:
    class Placement;

    void follow(QWidget* focused);
    int margin() const;
};

}  // namespace tessmar
