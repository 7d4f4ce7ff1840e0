// The icons and type names of a file dialog's entries, told without reading the files.
#pragma once

#include <QFileIconProvider>

namespace tessmar {

// Told from the entries' names and kinds alone. Qt's own provider reads a file
// without a known suffix to tell its type, and a file that never ends
// (/proc/kmsg, readable by root) would hold the dialog, and the window, for good.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
    using QFileIconProvider::icon;
};

}  // namespace tessmar
