// A one-line text box's QLineEdit: inputs cut to what the box takes before
// they reach the widget, a paste kept one step of the undo history.
#include "box_line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>

#include <algorithm>

#include "text_box_editing.h"

namespace tessmar {

BoxLineEdit::BoxLineEdit(TextBox& box, QWidget* parent, const RunEvent& run) : QLineEdit(parent), box_(box)
{
    setObjectName(qt_text(box.name()));
    // textEdited comes from the user only, never from setText.
    connect(this, &QLineEdit::textEdited, this, [this, run](const QString& edited) {
        // The widget gets no more than the model takes; should the model take
        // less all the same, mirror() shows what it took.
        const qsizetype caret = run_user_edit(box_, edited, cursorPosition(), run);
        if (text() != edited) setCursorPosition(static_cast<int>(caret));
    });
}

void BoxLineEdit::mirror()
{
    mirror_box_look(box_, this);
    const QString shown = qt_text(box_.text);
    if (text() != shown) {
        const QSignalBlocker quiet(this);
        setText(shown);
        if (box_.read_only) setCursorPosition(0);  // a long text shows its start
    }
}

QString BoxLineEdit::fitting(const QString& offered, qsizetype from, qsizetype to) const
{
    return fitting_input(box_, text(), from, to, offered);
}

QString BoxLineEdit::fitting(const QString& offered) const
{
    if (!hasSelectedText()) return fitting(offered, cursorPosition(), cursorPosition());
    return fitting(offered, selectionStart(), selectionEnd());
}

// QLineEdit makes one undo step of insertions that follow each other, as of
// typing; its own paste ends the step before and after it. A move of the caret
// ends it too: away and back, with the selection kept.
void BoxLineEdit::end_undo_step()
{
    if (text().isEmpty()) return;
    const int caret = cursorPosition();
    const int anchor = !hasSelectedText() ? caret : caret == selectionStart() ? selectionEnd() : selectionStart();
    setCursorPosition(caret > 0 ? caret - 1 : caret + 1);
    if (anchor == caret) setCursorPosition(caret);
    else setSelection(anchor, caret - anchor);
}

void BoxLineEdit::paste_from(QClipboard::Mode mode)
{
    if (isReadOnly()) return;
    const QString taken = fitting(QGuiApplication::clipboard()->text(mode));  // none when nobody owns it
    if (taken.isEmpty() && !hasSelectedText()) return;
    end_undo_step();
    insert(taken);
    end_undo_step();
}

void BoxLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        paste_from(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (!isReadOnly() && asks_redo(*event)) {
        redo();
        event->accept();
        return;
    }
    if (!isReadOnly() && types_text(*event)) {
        const QString taken = fitting(event->text());
        if (taken != event->text()) {
            QKeyEvent cut = with_text(*event, taken);
            QLineEdit::keyPressEvent(&cut);
            event->setAccepted(cut.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void BoxLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString& commit = event->commitString();
    if (isReadOnly() && !commit.isEmpty()) {  // a read-only box takes no text, from an input method neither
        event->ignore();
        return;
    }
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The commit takes the place of the selection and of the range it names.
    const qsizetype replaced = cursorPosition() + event->replacementStart();
    const qsizetype from = hasSelectedText() ? std::min<qsizetype>(selectionStart(), replaced) : replaced;
    const qsizetype to = std::max<qsizetype>(hasSelectedText() ? selectionEnd() : replaced,
                                             replaced + event->replacementLength());
    const QString taken = fitting(commit, from, to);
    if (taken == commit) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(taken, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
    event->setAccepted(cut.isAccepted());
}

// A middle click pastes the selection where the platform has one (X11).
void BoxLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        paste_from(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void BoxLineEdit::dropEvent(QDropEvent* event)
{
    const QMimeData* dropped = event->mimeData();
    if (dropped == nullptr) {
        event->ignore();
        return;
    }
    if (isReadOnly() || !dropped->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // A drop goes in at the place it is dropped, the selection left as it is,
    // unless it moves the widget's own selected text.
    const QString offered = dropped->text();
    const QString taken = event->source() == this ? fitting(offered) : fitting(offered, cursorPosition(), cursorPosition());
    if (taken == offered) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (taken.isEmpty()) {  // nothing fits: the drop is refused, and a dragged text stays where it was
        event->ignore();
        return;
    }
    QMimeData cut_data;
    cut_data.setText(taken);
    QDropEvent cut(event->position(), event->possibleActions(), &cut_data, event->buttons(), event->modifiers(),
                   event->type());
    cut.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&cut);
    event->setDropAction(cut.dropAction());
    event->setAccepted(cut.isAccepted());
}

// The standard menu, its Paste (known by its caption) cut to what the box takes.
void BoxLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (!action->text().startsWith(QLineEdit::tr("&Paste"))) continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this, [this] { paste_from(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace tessmar
