// A multi-line text box as a QPlainTextEdit: the user's typing goes to the
// model as one edit, and the model's text comes back with the caret kept.
#include "text_area_view.h"

#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

#include "text_box_editing.h"

namespace tessmar {

TextAreaView::TextAreaView(TextBox& box, QWidget* parent, RunEvent run)
    : ControlViewOf(box, make_widget<BoxTextEdit>(box, box, parent))
{
    widget_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    widget_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget_->setTabChangesFocus(true);
    // textChanged also follows setPlainText: mirror() blocks it there.
    QObject::connect(widget_, &QPlainTextEdit::textChanged, widget_, [this, run] {
        const QString text = widget_->toPlainText();
        const qsizetype caret = run_user_edit(control_, text, widget_->textCursor().position(), run);
        if (widget_->toPlainText() == text) return;
        // The widget gets no more than the model takes; should the model take
        // less all the same, mirror() has shown what it took: put the caret
        // after it.
        QTextCursor at = widget_->textCursor();
        at.setPosition(static_cast<int>(caret));
        widget_->setTextCursor(at);
        widget_->ensureCursorVisible();
    });
}

void TextAreaView::mirror()
{
    mirror_box_look(control_, widget_);
    const QString text = widget_text(control_);
    if (widget_->toPlainText() == text) return;
    const QSignalBlocker quiet(widget_);
    const int cursor = widget_->textCursor().position();
    widget_->setPlainText(text);  // shows the top of a new text
    if (!control_.read_only) {
        QTextCursor at = widget_->textCursor();
        at.setPosition(std::min<int>(cursor, widget_->document()->characterCount() - 1));
        widget_->setTextCursor(at);
    }
}

}  // namespace tessmar
