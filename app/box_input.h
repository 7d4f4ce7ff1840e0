// What the one-line and multi-line text box widgets share: every input cut to
// what the box takes before the widget applies it, every change of the
// widget's text handed to the model whole, and the box's look on the widget.
#pragma once

#include <QString>

#include "control_widget.h"
#include "widget_mirror.h"

namespace tessmar {

// A box's text as its widget holds it: a line break (CR LF in the model) is one "\n".
QString widget_text(const TextBox& box);

// Indexes into a widget's text: a selection, or the caret twice.
struct TextSpan {
    qsizetype from;
    qsizetype to;
};

// Shows what a text box's widget (a QLineEdit or QPlainTextEdit) shows besides
// its text: place, font, tooltip, visibility, colours and the read-only flag.
template <class Edit>
void mirror_box_look(const TextBox& box, Edit* edit)
{
    mirror_common(box, edit);
    set_box_colors(edit, box.back_color, box.fore_color);
    if (edit->isReadOnly() != box.read_only) edit->setReadOnly(box.read_only);
}

// The base of a text box's widget (Edit: QLineEdit or QPlainTextEdit): each input is cut to what the box
// takes before the widget applies it, so that the widget never holds more than the box (no maximum of
// the widget's own, which would count UTF-16 units) and the input stays one step of its undo history.
template <class Edit>
class BoxInput : public Edit, public ControlWidget {
public:
    const TextBox& box() const { return box_; }

protected:
    BoxInput(TextBox& box, QWidget* parent, const RunEvent& run);

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // Puts what the box takes of a pasted text in place of the selection, as one undo step.
    void offer(const QString& offered);
    // Hands the widget's text to the model whole, since every text the widget holds fits the box.
    void to_model(const QString& shown);

    TextBox& box_;

private:
    // What the two widgets do differently: their text, their selection, an insertion as one undo step.
    virtual QString current_text() const = 0;
    virtual TextSpan selection() const = 0;
    virtual void insert_step(const QString& taken) = 0;

    RunEvent run_;
};

}  // namespace tessmar
