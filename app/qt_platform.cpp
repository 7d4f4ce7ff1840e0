// The Save As dialog and the suffix it adds, ending the program, and the
// widget style and font, on Qt.
#include "qt_platform.h"

#include <QApplication>
#include <QChar>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QList>
#include <QStandardPaths>
#include <QStringList>
#include <QStyleFactory>

#include "screen_units.h"

namespace tessmar {

std::string QtSaveAsDialog::show_save_as(const SaveAsRequest& request)
{
    SaveFileDialog dialog(parent_, request);
    if (dialog.exec() != QDialog::Accepted) return {};
    return QFile::encodeName(dialog.chosen_path()).toStdString();
}

QString documents_folder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

bool has_own_suffix(QStringView file_name)
{
    const QList<uint> points = file_name.toUcs4();
    int letters = 0;
    for (qsizetype i = points.size() - 1; i >= 0; --i) {
        const char32_t point = points[i];
        if (point == U'.')
            return letters >= 1 && i > 0 && !QChar::isMark(points[i + 1]);
        if (QChar::isLetter(point) || QChar::isDigit(point)) {
            if (++letters > 5) return false;
        } else if (!QChar::isMark(point)) {
            return false;
        }
    }
    return false;
}

QString with_default_suffix(const QString& path, const QString& suffix)
{
    const QStringView file_name = QStringView(path).mid(path.lastIndexOf(u'/') + 1);
    if (suffix.isEmpty() || file_name.isEmpty() || has_own_suffix(file_name)) return path;
    return path + u'.' + suffix;
}

void prepare_save_dialog(QFileDialog& dialog, const SaveAsRequest& request)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowTitle(QString::fromStdString(request.title));
    QStringList filters;
    for (const std::string& filter : request.filters) filters << QString::fromStdString(filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString());
    const QString folder = QFile::decodeName(request.folder.c_str());
    dialog.setDirectory(!folder.isEmpty() && QDir(folder).exists() ? folder : documents_folder());
}

SaveFileDialog::SaveFileDialog(QWidget* parent, const SaveAsRequest& request)
    : QFileDialog(parent), suffix_(QString::fromStdString(request.default_suffix))
{
    prepare_save_dialog(*this, request);
}

QString SaveFileDialog::chosen_path() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : with_default_suffix(files.constFirst(), suffix_);
}

void SaveFileDialog::accept()
{
    // Qt's own dialog takes the name from its name box: the suffix goes in
    // there, where the user sees it. A platform's dialog has asked its
    // questions already; chosen_path() adds the suffix to what it returns.
    auto* name_box = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QStringList files = selectedFiles();
    if (name_box != nullptr && name_box->isVisible() && files.size() == 1 && !QFileInfo(files.constFirst()).isDir()) {
        const QString path = with_default_suffix(files.constFirst(), suffix_);
        if (path != files.constFirst()) {
            const QFileInfo chosen(path);
            name_box->setText(chosen.absolutePath() == directory().absolutePath() ? chosen.fileName() : path);
        }
    }
    QFileDialog::accept();
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
