// tessmar-planner: opens the planner's window and runs until it is closed or Quit is pressed.
#include <csignal>

#include "display_check.h"
#include "run_planner.h"

int main(int argc, char** argv)
{
    std::signal(SIGXFSZ, SIG_IGN);  // a save past a file-size limit fails and says so instead of ending the program
    if (tessmar::reported_no_display(argv[0])) return 1;
    tessmar::DisplayCheck::begin(argv[0]);
    return tessmar::run_planner(argc, argv, [](tessmar::PlannerWindow&) { tessmar::DisplayCheck::end(); });
}
