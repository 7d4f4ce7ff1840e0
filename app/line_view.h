// The view of a one-line text box: a QLineEdit that takes what the box keeps.
#pragma once

#include "box_line_edit.h"
#include "control_views.h"

namespace tessmar {

// A one-line text box. Its length is the model's to limit: the widget takes no
// more of an input than the model keeps.
class LineView final : public ControlViewOf<TextBox, BoxLineEdit> {
public:
    LineView(TextBox& box, QWidget* parent, RunEvent run);
    void mirror() override;
};

}  // namespace tessmar
