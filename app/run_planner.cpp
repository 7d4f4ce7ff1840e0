// The planner's start-up, shared by tessmar-planner and its start-up benchmark.
#include "run_planner.h"

#include <QApplication>

#include "planner_window.h"
#include "fixed_frame.h"
#include "planner_style.h"
#include "qt_program_end.h"
#include "qt_save_as_dialog.h"

namespace tessmar {

int run_planner(int argc, char** argv, const std::function<void(PlannerWindow&)>& before_show)
{
    QApplication application(argc, argv);
    use_planner_style();
    QtSaveAsDialog save_dialog;
    QtProgramEnd program_end;
    PlannerWindow window(save_dialog, program_end);
    save_dialog.set_parent(&window);
    QApplication::setWindowIcon(window.windowIcon());  // the Save As dialog's too
    ask_for_fixed_frame(window);
    if (before_show) before_show(window);
    window.show();
    return QApplication::exec();
}

}  // namespace tessmar
