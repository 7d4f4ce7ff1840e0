// The view of a one-line text box: a QLineEdit.
#pragma once

#include <QLineEdit>

#include "control_views.h"

namespace tessmar {

// A one-line text box. Its length is the model's to limit: the widget sets no
// maximum of its own, which would count UTF-16 units.
class LineView final : public ControlViewOf<TextBox, QLineEdit> {
public:
    LineView(TextBox& box, QWidget* parent, RunEvent run);
    void mirror() override;
};

}  // namespace tessmar
