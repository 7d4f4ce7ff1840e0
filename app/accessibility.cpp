// The planner's accessibility factory: its own interfaces for three kinds of
// widget, Qt's for every other.
#include "accessibility.h"

#include <QAccessible>

#include "announcer.h"
#include "box_line_edit.h"
#include "notification_accessible.h"
#include "planner_window.h"
#include "read_only_box_accessible.h"
#include "window_accessible.h"

namespace tessmar {

namespace {

QAccessibleInterface* planner_interface(const QString&, QObject* object)
{
    if (auto* announcer = dynamic_cast<Announcer*>(object)) return new NotificationAccessible(announcer);
    if (auto* window = dynamic_cast<PlannerWindow*>(object)) return new WindowAccessible(window);
    auto* box = dynamic_cast<BoxLineEdit*>(object);
    const auto* owner = box == nullptr ? nullptr : dynamic_cast<const PlannerWindow*>(box->parentWidget());
    const auto* control = owner == nullptr ? nullptr : dynamic_cast<const TextBox*>(owner->control_of(*box));
    if (control != nullptr && control->read_only) return new ReadOnlyBoxAccessible(box);
    return nullptr;
}

}  // namespace

void use_planner_accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&planner_interface);
        return true;
    }();
    (void)installed;
}

}  // namespace tessmar
