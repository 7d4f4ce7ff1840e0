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
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QStringList>
#include <QStyleFactory>

#include "screen_units.h"

#if defined(TESSMAR_X11) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

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

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const
{
    if (info.isRoot()) return icon(QAbstractFileIconProvider::Drive);
    return icon(info.isDir() ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const
{
    if (info.isDir()) return QFileIconProvider::type(info);  // by kind alone: "Folder", "Drive"
    return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension).comment();
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

void ask_for_fixed_frame(QWidget& window)
{
#if defined(TESSMAR_X11) && QT_CONFIG(xcb)
    // The offscreen platform answers for X too, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    static constexpr char name[] = "_MOTIF_WM_HINTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr), &std::free);
    if (atom == nullptr || atom->atom == XCB_ATOM_NONE) return;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, id, atom->atom, atom->atom, 0, 5), nullptr),
        &std::free);
    // Flags, functions, decorations, input mode, status. A function or
    // decoration bit counts as given unless the "all" bit is set.
    std::array<std::uint32_t, 5> hints{};
    if (property == nullptr || property->format != 32 || xcb_get_property_value_length(property.get()) != sizeof hints)
        return;
    std::memcpy(hints.data(), xcb_get_property_value(property.get()), sizeof hints);
    constexpr std::uint32_t functions_given = 1, decorations_given = 2, all = 1, resize = 2, resize_handle = 4;
    if ((hints[0] & functions_given) == 0 || (hints[1] & all) != 0 || (hints[0] & decorations_given) == 0 ||
        (hints[2] & all) != 0)
        return;
    hints[1] &= ~resize;
    hints[2] &= ~resize_handle;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom->atom, atom->atom, 32, 5, hints.data());
#else
    (void)window;
#endif
}

void use_planner_style()
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    // What the window does not give a font of its own (tooltips, the Save As
    // dialog, text boxes before their first showing) is in the face the window
    // uses, so that no other face is looked up and loaded at start.
    QApplication::setFont(screen_font(Font{8.25f, false}));
}

}  // namespace tessmar
