// The planner's window as assistive technology sees it: a window, not a plain pane.
#pragma once

#include <QAccessibleWidget>

namespace tessmar {

class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

}  // namespace tessmar
