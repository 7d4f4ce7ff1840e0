// Qt's file dialog set up from a Save As request.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringView>
#include <QWidget>

#include "platform/platform.h"

namespace tessmar {

// The user's documents folder, or the home folder where there is none.
QString documents_folder();

// Whether a file name ends in a suffix of its own: a dot and one to five
// letters or digits (code points; a combining mark goes with the letter before
// it), with something before that dot. "hero.txt", "notes.md", "a.b.c" do;
// "Sir J. Smith", "x.", "x.toolong", ".hidden" do not.
bool has_own_suffix(QStringView file_name);

// `path` with "." and `suffix` added to its file name (after the last "/")
// unless the name has a suffix of its own; an empty suffix or file name leaves
// the path as it is.
QString with_default_suffix(const QString& path, const QString& suffix);

// Sets up a Save As dialog as asked: title, filters and the folder it starts in
// (the documents folder where the request names none or names one that is
// gone). Qt's own default suffix stays off: it takes any dot in a name for a
// suffix, so with_default_suffix gives the request's suffix instead.
void prepare_save_dialog(QFileDialog& dialog, const SaveAsRequest& request);

// Gives the chosen name the request's suffix before the dialog checks that
// name (whether it is a folder, whether to replace the file), so that the
// question is asked about the file that will be written.
class SaveFileDialog : public QFileDialog {
public:
    SaveFileDialog(QWidget* parent, const SaveAsRequest& request);
    // The chosen path with the request's suffix; empty when none was chosen.
    QString chosen_path() const;

protected:
    void accept() override;

private:
    QString suffix_;
};

}  // namespace tessmar
