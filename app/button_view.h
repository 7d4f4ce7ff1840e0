// The view of a button: a FaceButton whose click runs the control's Click event.
#pragma once

#include <QPushButton>

#include "control_views.h"

namespace tessmar {

class ButtonView final : public ControlViewOf<Button, QPushButton> {
public:
    ButtonView(Button& button, QWidget* parent, RunEvent run);
    void mirror() override;
};

}  // namespace tessmar
