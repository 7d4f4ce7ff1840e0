// The Save As dialog, ending the program, and the widget style and font, on Qt.
#include "qt_platform.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QStyleFactory>

#include "control_views.h"

namespace tessmar {

std::string QtSaveAsDialog::show_save_as()
{
    const QString path = QFileDialog::getSaveFileName(parent_, QStringLiteral("Save As"), QString(),
                                                      QStringLiteral("Text files (*.txt);;All files (*)"));
    return path.isEmpty() ? std::string() : QFile::encodeName(path).toStdString();
}

void QtProgramEnd::end_program() { QCoreApplication::exit(0); }

void use_planner_style()
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    // What the window does not give a font of its own (tooltips, the Save As
    // dialog, text boxes before their first showing) is in the face the window
    // uses, so that no other face is looked up and loaded at start.
    QApplication::setFont(screen_font(Font{8.25f, false}));
}

}  // namespace tessmar
