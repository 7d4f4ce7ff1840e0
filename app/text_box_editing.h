// What the one-line and multi-line text box widgets share: the box's text as
// its widget holds it, what the box takes of an input before the widget gets
// it, a user's change handed to the model as one edit at the caret, and the
// box's look and read-only flag on its widget.
#pragma once

#include <QKeyEvent>
#include <QString>

#include "control_widget.h"
#include "widget_mirror.h"

namespace tessmar {

// A box's text as its widget holds it: a line break (CR LF in the model) is one "\n".
QString widget_text(const TextBox& box);

// What the box takes of `offered` (typed, pasted or dropped) put in place of
// the characters from index `from` to index `to` (a selection, or none) of
// `shown`, its widget's text: the part the box keeps, as its widget holds it.
QString fitting_input(const TextBox& box, const QString& shown, qsizetype from, qsizetype to, const QString& offered);

// Whether a key press may type its text: the text starts with a printable
// character, as the text widgets ask before they insert it.
bool types_text(const QKeyEvent& event);

// Whether a key press asks to redo: by the platform's key bindings, and by
// both Ctrl+Shift+Z and Ctrl+Y wherever those know only one of them.
bool asks_redo(const QKeyEvent& event);

// The key press `event` with `text` in place of its own text.
QKeyEvent with_text(const QKeyEvent& event, const QString& text);

// Hands a user's change of an editable box's widget to the model as one edit at
// the caret (typing, a paste, a drop, an undo), and returns the index of the
// caret after it in the text that the widget then shows.
qsizetype run_user_edit(TextBox& box, const QString& edited, qsizetype caret, const RunEvent& run);

// Shows what a text box's widget (a QLineEdit or QPlainTextEdit) shows besides
// its text: place, font, tooltip, visibility, colours and the read-only flag.
template <class Edit>
void mirror_box_look(const TextBox& box, Edit* edit)
{
    mirror_common(box, edit);
    set_box_colors(edit, box.back_color, box.fore_color);
    if (edit->isReadOnly() != box.read_only) edit->setReadOnly(box.read_only);
}

}  // namespace tessmar
