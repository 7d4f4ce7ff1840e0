// The announcer as assistive technology sees it: a notification named by its text.
#pragma once

#include <QAccessibleWidget>

#include "announcer.h"

namespace tessmar {

class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(Announcer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Name ? static_cast<const Announcer*>(widget())->told() : QString();
    }
};

}  // namespace tessmar
