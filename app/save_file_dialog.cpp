// The Save As dialog's settings, the suffix it gives a chosen name, and the
// folder it starts in.
#include "save_file_dialog.h"

#include <QChar>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QList>
#include <QStandardPaths>
#include <QStringList>

#include "name_only_icon_provider.h"

namespace tessmar {

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
    // One provider for every dialog, outliving each dialog's file model.
    static NameOnlyIconProvider name_only_icons;
    setIconProvider(&name_only_icons);
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
    // there, where the user sees it. The box is a private child of Qt's
    // dialog, found by its object name, since QFileDialog offers no way to
    // change the chosen name before it checks it. A platform's dialog has asked
    // its questions already; chosen_path() adds the suffix to what it returns.
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

}  // namespace tessmar
