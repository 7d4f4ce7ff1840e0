// Qt's file dialog set up from a Save As request.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QWidget>

#include <string>

#include "platform/platform.h"

namespace tessmar {

// The user's documents folder, or the home folder where there is none.
QString documents_folder();

// Sets up a Save As dialog as asked: title, filters, the folder it starts in
// (the documents folder where the request names none or names one that is
// gone) and the name it proposes. Qt's own default suffix stays off: it takes
// any dot in a name for a suffix, so the request's suffix is given by the
// planner's own rule instead.
void prepare_save_dialog(QFileDialog& dialog, const SaveAsRequest& request);

// Gives the chosen name the request's suffix before the dialog checks that
// name (whether it is a folder, whether to replace the file), so that the
// question is asked about the file that will be written; a name of blanks
// alone (with the suffix or without) is not taken, and the dialog stays open.
class SaveFileDialog : public QFileDialog {
public:
    SaveFileDialog(QWidget* parent, const SaveAsRequest& request);
    // The chosen path with the request's suffix; empty when none was chosen.
    QString chosen_path() const;

protected:
    void accept() override;

private:
    std::string suffix_;
};

}  // namespace tessmar
