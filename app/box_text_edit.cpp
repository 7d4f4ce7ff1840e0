// A multi-line text box's QPlainTextEdit: inputs cut to what the box takes
// before they reach the document, and a read-only box scrolled by the keys.
#include "box_text_edit.h"

#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

#include "text_box_editing.h"

namespace tessmar {

BoxTextEdit::BoxTextEdit(TextBox& box, QWidget* parent, const RunEvent& run) : QPlainTextEdit(parent), box_(box)
{
    setObjectName(qt_text(box.name()));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    // textChanged also follows setPlainText: mirror() blocks it there.
    connect(this, &QPlainTextEdit::textChanged, this, [this, run] {
        const QString edited = toPlainText();
        const qsizetype caret = run_user_edit(box_, edited, textCursor().position(), run);
        if (toPlainText() == edited) return;
        // The widget gets no more than the model takes; should the model take
        // less all the same, mirror() has shown what it took: put the caret
        // after it.
        QTextCursor at = textCursor();
        at.setPosition(static_cast<int>(caret));
        setTextCursor(at);
        ensureCursorVisible();
    });
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

QString BoxTextEdit::fitting(const QString& offered, qsizetype from, qsizetype to) const
{
    return fitting_input(box_, toPlainText(), from, to, offered);
}

QString BoxTextEdit::fitting(const QString& offered) const
{
    const QTextCursor cursor = textCursor();
    return fitting(offered, cursor.selectionStart(), cursor.selectionEnd());
}

bool BoxTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return !isReadOnly() && source != nullptr && source->hasText();
}

// Every paste and drop of the widget ends here. Qt's own insertion reads the
// first of the data's formats without asking whether there is one, which a
// clipboard that nobody owns delivers: no text, nothing inserted.
void BoxTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!canInsertFromMimeData(source)) return;
    QMimeData taken;
    taken.setText(fitting(source->text()));
    if (taken.text().isEmpty() && !textCursor().hasSelection()) return;
    QPlainTextEdit::insertFromMimeData(&taken);
}

void BoxTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        // Up, Down, Page Up, Page Down, Home and End scroll a read-only box
        // already; the start and end of the text are reached by Ctrl as well.
        if (event->matches(QKeySequence::MoveToStartOfDocument) || event->matches(QKeySequence::MoveToEndOfDocument)) {
            verticalScrollBar()->triggerAction(event->matches(QKeySequence::MoveToStartOfDocument)
                                                   ? QAbstractSlider::SliderToMinimum
                                                   : QAbstractSlider::SliderToMaximum);
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    if (asks_redo(*event)) {
        redo();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (fitting(QStringLiteral("\n")).isEmpty()) {  // no room for a line break
            event->accept();
            return;
        }
    } else if (types_text(*event)) {
        const QString taken = fitting(event->text());
        if (taken != event->text()) {
            QKeyEvent cut = with_text(*event, taken);
            QPlainTextEdit::keyPressEvent(&cut);
            event->setAccepted(cut.isAccepted());
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void BoxTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString& commit = event->commitString();
    if (isReadOnly() && !commit.isEmpty()) {  // a read-only box takes no text, from an input method neither
        event->ignore();
        return;
    }
    if (commit.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // The commit takes the place of the selection and of the range it names.
    const QTextCursor cursor = textCursor();
    const qsizetype replaced = cursor.position() + event->replacementStart();
    const QString taken = fitting(commit, std::min<qsizetype>(cursor.selectionStart(), replaced),
                                  std::max<qsizetype>(cursor.selectionEnd(), replaced + event->replacementLength()));
    if (taken == commit) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(taken, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    event->setAccepted(cut.isAccepted());
}

// A drop of which nothing fits is refused, so that a dragged text stays where it was.
void BoxTextEdit::dropEvent(QDropEvent* event)
{
    const QMimeData* dropped = event->mimeData();
    if (dropped == nullptr ||
        (!isReadOnly() && event->source() != this && dropped->hasText() && fitting(dropped->text(), 0, 0).isEmpty())) {
        event->ignore();
        return;
    }
    QPlainTextEdit::dropEvent(event);
}

}  // namespace tessmar
