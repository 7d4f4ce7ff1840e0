// The view of a list box: a ListWidget that shows whole entries only and
// brings an entry added at its end into view.
#pragma once

#include <QFont>

#include <string>
#include <vector>

#include "control_views.h"
#include "list_widget.h"

namespace tessmar {

class ListView final : public ControlViewOf<ListBox, ListWidget> {
public:
    ListView(ListBox& list, QWidget* parent, RunEvent run);
    void mirror() override;

private:
    std::vector<std::string> shown_items_;
    bool measured_ = false;  // row_height_ is measured in measured_font_
    QFont measured_font_;
    int row_height_ = 1;
};

}  // namespace tessmar
