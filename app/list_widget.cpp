// A list's presses, double clicks, drags and keys as clicks and double clicks
// on the model's list.
#include "list_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tessmar {

void show_highlight(QListWidget* widget, int index)
{
    if (index >= 0 && index < widget->count()) {
        if (widget->currentRow() != index || !widget->item(index)->isSelected()) widget->setCurrentRow(index);
    } else if (widget->currentRow() != -1 || !widget->selectedItems().isEmpty()) {
        widget->setCurrentRow(-1);
        widget->clearSelection();
    }
}

ListWidget::ListWidget(ListBox& list, QWidget* parent, RunEvent run)
    : QListWidget(parent), list_(list), run_(std::move(run))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
}

int ListWidget::row_height()
{
    if (count() > 0) return sizeHintForRow(0);
    addItem(QStringLiteral("X"));
    const int height = sizeHintForRow(0);
    delete takeItem(0);
    return height;
}

void ListWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();  // only the left button picks an entry
        return;
    }
    QListWidget::mousePressEvent(event);
    pressed_row_ = row_at(event);
    if (pressed_row_ >= 0) run_([this] { list_.user_click(pressed_row_); });
}

void ListWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const int row = row_at(event);
    if (row < 0) return;
    if (row == pressed_row_) {
        // The press has run the click that a double click begins with.
        run_([this] {
            if (list_.on_double_click) list_.on_double_click();
        });
    } else {
        run_([this, row] { list_.user_double_click(row); });
    }
    pressed_row_ = -1;
}

void ListWidget::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton) click_if_moved();
}

void ListWidget::keyPressEvent(QKeyEvent* event)
{
    show_highlight(this, list_.list_index());  // focus may have set a current row of its own
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        const int row = list_.list_index();
        if (row >= 0 && !event->isAutoRepeat()) run_([this, row] { list_.user_double_click(row); });
        return;
    }
    QListWidget::keyPressEvent(event);
    click_if_moved();
}

int ListWidget::row_at(const QMouseEvent* event) const
{
    const QListWidgetItem* item = itemAt(event->position().toPoint());
    return item == nullptr ? -1 : row(item);
}

void ListWidget::click_if_moved()
{
    const int now = currentRow();
    if (now >= 0 && now != list_.list_index()) run_([this, now] { list_.user_click(now); });
}

}  // namespace tessmar
