// A one-line text box as a QLineEdit: the user's typing goes to the model as
// one edit, and the model's text comes back without raising an event.
#include "line_view.h"

#include <QSignalBlocker>

#include "text_box_editing.h"

namespace tessmar {

LineView::LineView(TextBox& box, QWidget* parent, RunEvent run)
    : ControlViewOf(box, make_widget<BoxLineEdit>(box, box, parent))
{
    // textEdited comes from the user only, never from setText.
    QObject::connect(widget_, &QLineEdit::textEdited, widget_, [this, run](const QString& text) {
        // The widget gets no more than the model takes; should the model take
        // less all the same, mirror() shows what it took.
        const qsizetype caret = run_user_edit(control_, text, widget_->cursorPosition(), run);
        if (widget_->text() != text) widget_->setCursorPosition(static_cast<int>(caret));
    });
}

void LineView::mirror()
{
    mirror_box_look(control_, widget_);
    const QString text = qt_text(control_.text);
    if (widget_->text() != text) {
        const QSignalBlocker quiet(widget_);
        widget_->setText(text);
        if (control_.read_only) widget_->setCursorPosition(0);  // a long text shows its start
    }
}

}  // namespace tessmar
