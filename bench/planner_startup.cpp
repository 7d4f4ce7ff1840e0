// planner-startup: the planner's start-up as tessmar-planner runs it (style,
// platform services, the window built through the Qt layer and shown), ending
// once the event loop has drawn the window for the first time.
#include <QApplication>

#include "first_frame.h"
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
    tessmar::QuitAfterFirstFrame quit_after_first_frame(window);
    window.show();
    return QApplication::exec();
}
