// tessmar-planner: opens the planner's window and runs until it is closed or Quit is pressed.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "run_planner.h"

#if defined(__linux__) || defined(__FreeBSD__) || defined(__OpenBSD__) || defined(__NetBSD__) || defined(__DragonFly__)
#define TESSMAR_X_DISPLAY 1
#include <xcb/xcb.h>
#endif

namespace {

#ifdef TESSMAR_X_DISPLAY
// Qt ends the program with an abort when it cannot open the display, so the X
// display that it would use is tried first: where Qt picks X by itself or was
// told to. A Wayland session or another platform plugin is left to Qt.
// What is wrong with the display, in a few words; empty when it opens.
std::string display_problem()
{
    const std::string_view platform = std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    const bool x_chosen = platform.starts_with("xcb");
    if (!platform.empty() && !x_chosen) return {};
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!x_chosen && wayland != nullptr && *wayland != '\0') return {};
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return "no display is set (DISPLAY is empty)";
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return failed ? "the display " + std::string(display) + " could not be opened" : std::string();
}
#endif

}  // namespace

int main(int argc, char** argv)
{
    // A save past a file-size limit fails and is reported, as any other failed
    // save, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#ifdef TESSMAR_X_DISPLAY
    if (const std::string problem = display_problem(); !problem.empty()) {
        std::fprintf(stderr, "tessmar-planner: %s; to run it without a screen: xvfb-run -a -s '-screen 0 1024x768x24' %s\n",
                     problem.c_str(), argv[0]);
        return 1;
    }
#endif
    return tessmar::run_planner(argc, argv);
}
