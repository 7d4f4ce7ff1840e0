// Ending the program on Qt.
#pragma once

#include <QCoreApplication>

#include "platform/platform.h"

namespace tessmar {

// Leaves the application's event loop, which ends the program.
class QtProgramEnd : public ProgramEnd {
public:
    void end_program() override { QCoreApplication::exit(0); }
};

}  // namespace tessmar
