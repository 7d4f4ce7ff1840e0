// A list box's entries, highlight, colours and height (cut to whole entries)
// on its widget; an entry added at the end is scrolled into view.
#include "list_view.h"

#include <algorithm>

#include "screen_units.h"
#include "widget_mirror.h"

namespace tessmar {

ListView::ListView(ListBox& list, QWidget* parent, RunEvent run)
    : ControlViewOf(list, make_widget<ListWidget>(list, list, parent, std::move(run)))
{
}

void ListView::mirror()
{
    // Whole entries only: the height is cut down to the last entry that shows whole.
    const QFont font = screen_font(control_.font);
    QRect rect = pixel_rect(control_.place);
    if (!measured_ || font != measured_font_) {
        widget_->setFont(font);
        row_height_ = std::max(1, widget_->row_height());
        measured_font_ = font;
        measured_ = true;
    }
    const int frame = 2 * widget_->frameWidth();
    rect.setHeight(frame + std::max(1, (rect.height() - frame) / row_height_) * row_height_);
    mirror_common(control_, widget_, rect, font);
    set_box_colors(widget_, control_.back_color, control_.fore_color);
    const std::vector<std::string>& items = control_.items();
    bool appended = false;
    if (shown_items_ != items) {
        // Entries added after those already shown; a list filled from empty
        // (at start) keeps showing its top.
        appended = !shown_items_.empty() && items.size() > shown_items_.size() &&
                   std::equal(shown_items_.begin(), shown_items_.end(), items.begin());
        widget_->clear();
        for (const std::string& item : items) widget_->addItem(qt_text(item));
        shown_items_ = items;
    }
    show_highlight(widget_, control_.list_index());
    if (appended) widget_->scrollToItem(widget_->item(widget_->count() - 1));  // the newest entry in view
}

}  // namespace tessmar
