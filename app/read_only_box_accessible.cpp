// A read-only box's state, value and text for assistive technology.
#include "read_only_box_accessible.h"

namespace tessmar {

void* ReadOnlyBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadOnlyBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    return state;
}

QString ReadOnlyBoxAccessible::text(QAccessible::Text which) const
{
    if (which == QAccessible::Value) return box()->text();
    return QAccessibleWidget::text(which);
}

QString ReadOnlyBoxAccessible::attributes(int offset, int* start, int* end) const
{
    *start = *end = offset;
    return {};
}

}  // namespace tessmar
