// A multi-line text box's widget: a QPlainTextEdit with a vertical scroll bar
// that gets no more of an input than its box keeps, and that a read-only box
// scrolls by the keys; the model holds line breaks as CR LF.
#pragma once

#include <QPlainTextEdit>

#include "control_widget.h"

namespace tessmar {

// Every input (a keystroke, an input method's text, a paste by key, menu or
// middle click, a drop) is cut to what the box takes before the widget applies
// it, so that the widget never holds more than the box and each input stays
// one step of the widget's undo history. A paste of no data inserts nothing.
class BoxTextEdit final : public QPlainTextEdit, public ControlWidget {
public:
    BoxTextEdit(TextBox& box, QWidget* parent, const RunEvent& run);
    void mirror() override;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What the box takes of `offered` put in place of the widget's text from `from` to `to`.
    QString fitting(const QString& offered, qsizetype from, qsizetype to) const;
    // The same, in place of the selection.
    QString fitting(const QString& offered) const;

    TextBox& box_;
};

}  // namespace tessmar
