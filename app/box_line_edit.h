// A one-line text box's widget: a QLineEdit that gets no more of an input
// than its box keeps, the user's typing handed to the model as one edit.
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include "control_widget.h"

namespace tessmar {

// Every input (a keystroke, an input method's text, a paste by key, menu or
// middle click, a drop) is cut to what the box takes before the widget applies
// it, so that the widget never holds more than the box and each input stays
// one step of the widget's undo history. The widget sets no maximum length of
// its own, which would count UTF-16 units.
class BoxLineEdit final : public QLineEdit, public ControlWidget {
public:
    BoxLineEdit(TextBox& box, QWidget* parent, const RunEvent& run);
    void mirror() override;

    // Pastes the clipboard's text, or the selection's (a middle click), as
    // much of it as the box takes, in place of the selected text, as one undo step.
    void paste_from(QClipboard::Mode mode);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // What the box takes of `offered` put in place of the widget's text from `from` to `to`.
    QString fitting(const QString& offered, qsizetype from, qsizetype to) const;
    // The same, in place of the selection.
    QString fitting(const QString& offered) const;
    // Ends the step of the undo history that consecutive insertions make.
    void end_undo_step();

    TextBox& box_;
};

}  // namespace tessmar
