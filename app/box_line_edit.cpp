// A one-line text box's QLineEdit: its pastes by menu and middle click go
// through the box's input routine, each one step of the undo history.
#include "box_line_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>

namespace tessmar {

BoxLineEdit::BoxLineEdit(TextBox& box, QWidget* parent, const RunEvent& run) : BoxInput(box, parent, run)
{
    // textEdited comes from the user only, never from setText.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& edited) {
        // Qt's redo can leave a selection from -1, which its next edit reads: none is kept but one within the text.
        if (selectionStart() < 0 || selectionEnd() > text().size()) deselect();
        to_model(edited);
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

TextSpan BoxLineEdit::selection() const
{
    if (!hasSelectedText()) return {cursorPosition(), cursorPosition()};
    return {selectionStart(), selectionEnd()};
}

// QLineEdit joins insertions into one undo step: a paste ends it before (a removed selection does) and after.
void BoxLineEdit::insert_step(const QString& taken)
{
    if (!hasSelectedText()) end_undo_step();
    insert(taken);
    end_undo_step();
}

// QLineEdit ends an undo step where its caret moves, or where it is cleared (an empty text only).
void BoxLineEdit::end_undo_step()
{
    const int length = static_cast<int>(text().size());
    if (length == 0) {
        clear();
        return;
    }
    const int caret = std::clamp(cursorPosition(), 0, length);
    setCursorPosition(caret < length ? caret + 1 : caret - 1);
    setCursorPosition(caret);
}

// A middle click pastes the selection where the platform has one (X11).
void BoxLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        offer(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Qt 6.4 names no action of this menu: Paste is the one wired to QLineEdit::paste (by name; later, by pointer).
void BoxLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
            disconnect(action, &QAction::triggered, this, &QLineEdit::paste))
            connect(action, &QAction::triggered, this, [this] { offer(QGuiApplication::clipboard()->text()); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace tessmar
