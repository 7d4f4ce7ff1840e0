// The Save As dialog, ending the program and the widget style, on Qt.
#include "qt_platform.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QStyleFactory>

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
}

}  // namespace tessmar
