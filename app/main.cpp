// tessmar-planner: opens the planner's window and runs until it is closed or Quit is pressed.
#include <QApplication>

#include "planner_window.h"
#include "qt_platform.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    tessmar::use_planner_style();
    tessmar::QtSaveAsDialog save_dialog;
    tessmar::QtProgramEnd program_end;
    tessmar::PlannerWindow window(save_dialog, program_end);
    save_dialog.set_parent(&window);
    window.show();
    return QApplication::exec();
}
