// The platform services for the rules on Qt: the Save As dialog, ending the
// program, and the widget style the window is drawn in.
#pragma once

#include <QFileDialog>
#include <QString>
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

// Sets up a Save As dialog as asked: title, filters, default suffix and the
// folder it starts in (the documents folder where the request names none or
// names one that is gone).
void prepare_save_dialog(QFileDialog& dialog, const SaveAsRequest& request);

// Leaves the application's event loop, which ends the program.
class QtProgramEnd : public ProgramEnd {
public:
    void end_program() override;
};

// One style on every platform, so that the colours the window gives are drawn
// as given, and the window's face at 8 points as the application's font.
void use_planner_style();

}  // namespace tessmar
