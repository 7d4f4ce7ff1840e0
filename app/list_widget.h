// The list widget whose mouse and keyboard input goes to the model's list events.
#pragma once

#include <QListWidget>

#include "control_views.h"

namespace tessmar {

// Highlights entry index, or none when index is outside the list.
void show_highlight(QListWidget* widget, int index);

// A list widget whose user input goes to the model's list events: a press on an
// entry is a click, a double click adds DblClick, and a move of the highlight by
// keyboard or by dragging is a click on the new entry. Its signals are not used.
class ListWidget final : public QListWidget {
public:
    ListWidget(ListBox& list, QWidget* parent, RunEvent run);

    // The height of one entry in the list's font.
    int row_height();

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
    int row_at(const QMouseEvent* event) const;
    void click_if_moved();

    ListBox& list_;
    RunEvent run_;
    int pressed_row_ = -1;
};

}  // namespace tessmar
