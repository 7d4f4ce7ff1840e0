// A multi-line text box's widget: a QPlainTextEdit with a vertical scroll bar
// that gets no more of an input than its box keeps, and that a read-only box
// scrolls by the keys; the model holds line breaks as CR LF.
#pragma once

#include <QPlainTextEdit>

#include "box_input.h"

namespace tessmar {

class BoxTextEdit final : public BoxInput<QPlainTextEdit> {
public:
    BoxTextEdit(TextBox& box, QWidget* parent, const RunEvent& run);
    void mirror() override;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString current_text() const override { return toPlainText(); }
    TextSpan selection() const override;
    void insert_step(const QString& taken) override;
};

}  // namespace tessmar
