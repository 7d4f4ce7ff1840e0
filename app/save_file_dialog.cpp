// The Save As dialog's settings, the suffix it gives a chosen name, and the
// folder it starts in.
#include "save_file_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QStringList>

#include "name_only_icon_provider.h"
#include "sheet_file/file_name.h"

namespace tessmar {

QString documents_folder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return documents;
    return QDir::homePath();
}

namespace {

QString with_suffix(const QString& path, const std::string& suffix)
{
    return QString::fromStdString(with_default_suffix(path.toStdString(), suffix));
}

}  // namespace

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
    if (!request.proposed_name.empty()) dialog.selectFile(QString::fromStdString(request.proposed_name));
}

SaveFileDialog::SaveFileDialog(QWidget* parent, const SaveAsRequest& request)
    : QFileDialog(parent), suffix_(request.default_suffix)
{
    // One provider for every dialog, outliving each dialog's file model.
    static NameOnlyIconProvider name_only_icons;
    setIconProvider(&name_only_icons);
    prepare_save_dialog(*this, request);
}

QString SaveFileDialog::chosen_path() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : with_suffix(files.constFirst(), suffix_);
}

void SaveFileDialog::accept()
{
    // Qt's own dialog takes the name from its name box: the suffix goes in
    // there, where the user sees it. The box is a private child of Qt's
    // dialog, found by its object name, since QFileDialog offers no way to
    // change the chosen name before it checks it. A platform's dialog has asked
    // its questions already; chosen_path() adds the suffix to what it returns.
    auto* name_box = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name_box != nullptr && is_blank_file_name(name_box->text().toStdString(), suffix_)) {
        name_box->selectAll();  // no file is named by blanks alone: the name is the user's to type again
        return;
    }
    const QStringList files = selectedFiles();
    if (name_box != nullptr && name_box->isVisible() && files.size() == 1 && !QFileInfo(files.constFirst()).isDir()) {
        const QString path = with_suffix(files.constFirst(), suffix_);
        if (path != files.constFirst()) {
            const QFileInfo chosen(path);
            name_box->setText(chosen.absolutePath() == directory().absolutePath() ? chosen.fileName() : path);
        }
    }
    QFileDialog::accept();
}

}  // namespace tessmar
