// The view of a multi-line text box: a QPlainTextEdit with a vertical scroll bar.
#pragma once

#include "box_text_edit.h"
#include "control_views.h"

namespace tessmar {

// A multi-line text box with a vertical scroll bar; the model holds line breaks as CR LF.
class TextAreaView final : public ControlViewOf<TextBox, BoxTextEdit> {
public:
    TextAreaView(TextBox& box, QWidget* parent, RunEvent run);
    void mirror() override;
};

}  // namespace tessmar
