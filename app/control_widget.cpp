// The widget for each kind of control: one-line and multi-line text boxes,
// labels, buttons and lists.
#include "control_widget.h"

#include "box_line_edit.h"
#include "box_text_edit.h"
#include "caption_label.h"
#include "entry_list.h"
#include "face_button.h"

namespace tessmar {

ControlWidget* make_control_widget(Control& control, QWidget* parent, const RunEvent& run_event)
{
    switch (control.kind()) {
    case ControlKind::TextBox: {
        auto& box = static_cast<TextBox&>(control);
        if (box.multi_line) return new BoxTextEdit(box, parent, run_event);
        return new BoxLineEdit(box, parent, run_event);
    }
    case ControlKind::Label: return new CaptionLabel(static_cast<Label&>(control), parent);
    case ControlKind::Button: return new FaceButton(static_cast<Button&>(control), parent, run_event);
    case ControlKind::ListBox: return new EntryList(static_cast<ListBox&>(control), parent, run_event);
    case ControlKind::FileDialog: return nullptr;
    }
    return nullptr;
}

}  // namespace tessmar
