// Telling a text as a notification shown anew.
#include "announcer.h"

#include <QAccessible>

namespace tessmar {

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty()) return;
    told_ = text;
    ++times_told_;
    // Qt has no announcement event before 6.8: a notification shown is what Orca speaks at once.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace tessmar
