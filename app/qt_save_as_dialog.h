// The Save As dialog that the rules ask for, on Qt.
#pragma once

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

}  // namespace tessmar
