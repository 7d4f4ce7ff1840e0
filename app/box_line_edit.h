// A one-line text box's widget: a QLineEdit that gets no more of an input
// than its box keeps, its text handed to the model at each change.
#pragma once

#include <QLineEdit>

#include "box_input.h"

namespace tessmar {

class BoxLineEdit final : public BoxInput<QLineEdit> {
public:
    BoxLineEdit(TextBox& box, QWidget* parent, const RunEvent& run);
    void mirror() override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString current_text() const override { return text(); }
    TextSpan selection() const override;
    void insert_step(const QString& taken) override;
    // Ends the step of the undo history that consecutive insertions make.
    void end_undo_step();
};

}  // namespace tessmar
