// Showing the Save As dialog and handing its path to the rules in the file
// system's encoding.
#include "qt_save_as_dialog.h"

#include <QFile>

#include "save_file_dialog.h"

namespace tessmar {

std::string QtSaveAsDialog::show_save_as(const SaveAsRequest& request)
{
    SaveFileDialog dialog(parent_, request);
    if (dialog.exec() != QDialog::Accepted) return {};
    return QFile::encodeName(dialog.chosen_path()).toStdString();
}

}  // namespace tessmar
