// Fusion and the window's face for the whole application.
#include "planner_style.h"

#include <QApplication>
#include <QStyleFactory>

#include "screen_units.h"

namespace tessmar {

void use_planner_style()
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    // What the window does not give a font of its own (tooltips, the Save As
    // dialog, text boxes before their first showing) is in the face the window
    // uses, so that no other face is looked up and loaded at start.
    QApplication::setFont(screen_font(Font{8.25f, false}));
}

}  // namespace tessmar
