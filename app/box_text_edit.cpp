// A multi-line text box's QPlainTextEdit: every paste and drop through the
// box's input routine, and a read-only box scrolled by the keys.
#include "box_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

namespace tessmar {

BoxTextEdit::BoxTextEdit(TextBox& box, QWidget* parent, const RunEvent& run) : BoxInput(box, parent, run)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    // textChanged also follows setPlainText: mirror() blocks it there.
    connect(this, &QPlainTextEdit::textChanged, this, [this] { to_model(toPlainText()); });
}

void BoxTextEdit::mirror()
{
    mirror_box_look(box_, this);
    const QString shown = widget_text(box_);
    if (toPlainText() == shown) return;
    const QSignalBlocker quiet(this);
    const int cursor = textCursor().position();
    setPlainText(shown);  // shows the top of a new text
    if (!box_.read_only) {
        QTextCursor at = textCursor();
        at.setPosition(std::min<int>(cursor, document()->characterCount() - 1));
        setTextCursor(at);
    }
}

TextSpan BoxTextEdit::selection() const
{
    const QTextCursor cursor = textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

bool BoxTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return !isReadOnly() && source != nullptr && source->hasText();
}

// Every paste and drop ends here; text only, as Qt's own reads a first format an unowned clipboard lacks.
void BoxTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (canInsertFromMimeData(source)) offer(source->text());
}

// Qt's own insertion of a paste is one undo step.
void BoxTextEdit::insert_step(const QString& taken)
{
    QMimeData pasted;
    pasted.setText(taken);
    QPlainTextEdit::insertFromMimeData(&pasted);
}

// A read-only box scrolls by the keys already; Ctrl+Home and Ctrl+End reach its start and end too.
void BoxTextEdit::keyPressEvent(QKeyEvent* event)
{
    const bool to_start = event->matches(QKeySequence::MoveToStartOfDocument);
    if (isReadOnly() && (to_start || event->matches(QKeySequence::MoveToEndOfDocument))) {
        verticalScrollBar()->triggerAction(to_start ? QAbstractSlider::SliderToMinimum : QAbstractSlider::SliderToMaximum);
        event->accept();
        return;
    }
    BoxInput::keyPressEvent(event);
}

}  // namespace tessmar
