// The Save As dialog, ending the program, and the widget style and font, on Qt.
#include "qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QStyleFactory>

#include "screen_units.h"

namespace tessmar {

std::string QtSaveAsDialog::show_save_as(const SaveAsRequest& request)
{
    QFileDialog dialog(parent_);
    prepare_save_dialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

QString documents_folder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

void prepare_save_dialog(QFileDialog& dialog, const SaveAsRequest& request)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowTitle(QString::fromStdString(request.title));
    QStringList filters;
    for (const std::string& filter : request.filters) filters << QString::fromStdString(filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.default_suffix));
    const QString folder = QFile::decodeName(request.folder.c_str());
    dialog.setDirectory(!folder.isEmpty() && QDir(folder).exists() ? folder : documents_folder());
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
