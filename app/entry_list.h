// A list box's widget: its entries, highlight, colours and height on a
// QListWidget, and its mouse and keyboard input as the model's list events.
#pragma once

#include <QFont>
#include <QListWidget>

#include <string>
#include <vector>

#include "control_widget.h"

namespace tessmar {

// A list that shows whole entries only and brings an entry added at its end
// into view. A press on an entry is a click, a double click adds DblClick, and
// a move of the highlight by keyboard or by dragging is a click on the new
// entry. Its signals are not used.
class EntryList final : public QListWidget, public ControlWidget {
public:
    EntryList(ListBox& list, QWidget* parent, RunEvent run);
    void mirror() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // The platform delivers a double click as a press (above), a release, then
    // this event in place of the second press.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Return or Enter on the highlighted entry does what a double click on it
    // does, once; other keys move the highlight.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The height of one entry in the list's font.
    int row_height();
    // Highlights the model's entry, or none.
    void show_highlight();
    int row_at(const QMouseEvent* event) const;
    void click_if_moved();

    ListBox& list_;
    RunEvent run_;
    int pressed_row_ = -1;
    std::vector<std::string> shown_items_;
    bool rows_hidden_ = false;
    bool measured_ = false;  // row_height_ is measured in measured_font_
    QFont measured_font_;
    int row_height_ = 1;
};

}  // namespace tessmar
