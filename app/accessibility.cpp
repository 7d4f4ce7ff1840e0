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
    // By the box's own flag: the widget's follows it only from the first mirror, after the first query.
    if (auto* line = dynamic_cast<BoxLineEdit*>(object); line != nullptr && line->box().read_only)
        return new ReadOnlyBoxAccessible(line);
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
