// tessmar-planner: opens the planner's window and runs until it is closed or Quit is pressed.
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "run_planner.h"

int main(int argc, char** argv)
{
    // A save past a file-size limit fails and is reported, as any other failed
    // save, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Without a display Qt would abort; say what to do instead.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "No display found: run it under a virtual one, e.g. xvfb-run -s '-screen 0 1024x768x24' %s\n",
                     argv[0]);
        return 1;
    }
    return tessmar::run_planner(argc, argv);
}
