// A button's widget: drawn in its back colour with a thin raised edge, its
// clicks handed to the model.
#pragma once

#include <QPushButton>

#include "control_widget.h"

namespace tessmar {

// A push button drawn in its back colour (the palette's Button role) with a
// one-pixel raised edge that sinks while it is pressed, and its caption centred.
// Painted here rather than through a style sheet, which costs every button a
// parse and a style of its own when the window is built.
class FaceButton final : public QPushButton, public ControlWidget {
public:
    FaceButton(Button& button, QWidget* parent, RunEvent run);
    void mirror() override;

protected:
    void paintEvent(QPaintEvent*) override;
    // Return or Enter clicks the focused button once, as Space does; a held key
    // does not click again.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Button& button_;
};

}  // namespace tessmar
