// The platform services for the rules on Qt: the Save As dialog and the suffix
// it gives a name, ending the program, and the widget style the window is drawn in.
#pragma once

#include <QFileDialog>
#include <QFileIconProvider>
#include <QString>
#include <QStringView>
#include <QWidget>

#include <string>

#include "platform/platform.h"

namespace tessmar {

// Qt's Save As dialog over the window; the chosen path, empty when cancelled.
// Whether to replace an existing file is the dialog's own question.
class QtSaveAsDialog : public SaveAsDialog {
public:
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::string show_save_as(const SaveAsRequest& request) override;

private:
    QWidget* parent_ = nullptr;
};

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

// The icons and type names of a file dialog's entries told from their names
// and kinds alone. Qt's own provider reads a file without a known suffix to
// tell its type, and a file that never ends (/proc/kmsg, readable by root)
// would hold the dialog, and the window, for good.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
    using QFileIconProvider::icon;
};

// Qt's file dialog set up from a request, which gives the chosen name the
// request's suffix before the dialog checks that name (whether it is a folder,
// whether to replace the file), so that the question is asked about the file
// that will be written.
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

// Leaves the application's event loop, which ends the program.
class QtProgramEnd : public ProgramEnd {
public:
    void end_program() override;
};

// Takes the resize function and handle back from the frame that a window of
// fixed size asks the X window manager for (Qt asks for both on every window,
// whatever its flags), so that no resize handle is drawn; creates the window's
// native window. Elsewhere it does nothing.
void ask_for_fixed_frame(QWidget& window);

// One style on every platform, so that the colours the window gives are drawn
// as given, and the window's face at 8 points as the application's font.
void use_planner_style();

}  // namespace tessmar
