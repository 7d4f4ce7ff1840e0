// A file dialog entry's icon by its kind, its type by its name's suffix.
#include "name_only_icon_provider.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace tessmar {

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

}  // namespace tessmar
