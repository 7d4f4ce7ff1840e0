// A list's entries, highlight, colours and height (cut to whole entries) on
// its widget, and its presses, double clicks, drags and keys as clicks and
// double clicks on the model's list.
#include "entry_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

#include "screen_units.h"
#include "widget_mirror.h"

namespace tessmar {

EntryList::EntryList(ListBox& list, QWidget* parent, RunEvent run)
    : QListWidget(parent), list_(list), run_(std::move(run))
{
    setObjectName(qt_text(list.name()));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
}

void EntryList::mirror()
{
    // Whole entries only: the height is cut down to the last entry that shows whole.
    const QFont font = screen_font(list_.font);
    QRect rect = pixel_rect(list_.place);
    if (!measured_ || font != measured_font_) {
        setFont(font);
        row_height_ = std::max(1, row_height());
        measured_font_ = font;
        measured_ = true;
    }
    const int frame = 2 * frameWidth();
    rect.setHeight(frame + std::max(1, (rect.height() - frame) / row_height_) * row_height_);
    mirror_common(list_, this, rect, font);
    set_box_colors(this, list_.back_color, list_.fore_color);
    const std::vector<std::string>& items = list_.items();
    bool appended = false;
    if (shown_items_ != items) {
        // Entries added after those already shown; a list filled from empty
        // (at start) keeps showing its top.
        appended = !shown_items_.empty() && items.size() > shown_items_.size() &&
                   std::equal(shown_items_.begin(), shown_items_.end(), items.begin());
        clear();
        for (const std::string& item : items) addItem(qt_text(item));
        shown_items_ = items;
        rows_hidden_ = false;
    }
    // Qt tells the entries of a hidden list as showing unless their rows are hidden too.
    if (rows_hidden_ != !list_.visible) {
        rows_hidden_ = !list_.visible;
        for (int row = 0; row < count(); ++row) setRowHidden(row, rows_hidden_);
    }
    show_highlight();
    if (appended) scrollToItem(item(count() - 1));  // the newest entry in view
}

int EntryList::row_height()
{
    if (count() > 0) return sizeHintForRow(0);
    addItem(QStringLiteral("X"));
    const int height = sizeHintForRow(0);
    delete takeItem(0);
    return height;
}

void EntryList::show_highlight()
{
    const int index = list_.list_index();
    if (index >= 0 && index < count()) {
        if (currentRow() != index || !item(index)->isSelected()) setCurrentRow(index);
    } else if (currentRow() != -1 || !selectedItems().isEmpty()) {
        setCurrentRow(-1);
        clearSelection();
    }
}

void EntryList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();  // only the left button picks an entry
        return;
    }
    QListWidget::mousePressEvent(event);
    pressed_row_ = row_at(event);
    if (pressed_row_ >= 0) run_([this] { list_.user_click(pressed_row_); });
}

void EntryList::mouseDoubleClickEvent(QMouseEvent* event)
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

void EntryList::mouseMoveEvent(QMouseEvent* event)
{
    QListWidget::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton) click_if_moved();
}

void EntryList::keyPressEvent(QKeyEvent* event)
{
    show_highlight();  // focus may have set a current row of its own
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        const int row = list_.list_index();
        if (row >= 0 && !event->isAutoRepeat()) run_([this, row] { list_.user_double_click(row); });
        return;
    }
    QListWidget::keyPressEvent(event);
    click_if_moved();
}

int EntryList::row_at(const QMouseEvent* event) const
{
    const QListWidgetItem* entry = itemAt(event->position().toPoint());
    return entry == nullptr ? -1 : row(entry);
}

void EntryList::click_if_moved()
{
    const int now = currentRow();
    if (now >= 0 && now != list_.list_index()) run_([this, now] { list_.user_click(now); });
}

}  // namespace tessmar
