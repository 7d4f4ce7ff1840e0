// The view for each kind of control: one-line and multi-line text boxes,
// labels, buttons and lists.
#include "control_views.h"

#include "button_view.h"
#include "label_view.h"
#include "line_view.h"
#include "list_view.h"
#include "text_area_view.h"

namespace tessmar {

std::unique_ptr<ControlView> make_view(Control& control, QWidget* parent, RunEvent run_event)
{
    switch (control.kind()) {
    case ControlKind::TextBox: {
        auto& box = static_cast<TextBox&>(control);
        if (box.multi_line) return std::make_unique<TextAreaView>(box, parent, std::move(run_event));
        return std::make_unique<LineView>(box, parent, std::move(run_event));
    }
    case ControlKind::Label: return std::make_unique<LabelView>(static_cast<Label&>(control), parent);
    case ControlKind::Button:
        return std::make_unique<ButtonView>(static_cast<Button&>(control), parent, std::move(run_event));
    case ControlKind::ListBox:
        return std::make_unique<ListView>(static_cast<ListBox&>(control), parent, std::move(run_event));
    case ControlKind::FileDialog: return nullptr;
    }
    return nullptr;
}

}  // namespace tessmar
