// planner-startup: the planner's start-up as tessmar-planner runs it (style,
// platform services, the window built through the Qt layer and shown), ending
// once the event loop has drawn the window for the first time.
#include "first_frame.h"
#include "planner_window.h"
#include "run_planner.h"

int main(int argc, char** argv)
{
    return tessmar::run_planner(argc, argv, [](tessmar::PlannerWindow& window) {
        // Owned by the window, so that it goes before the application does.
        (new tessmar::QuitAfterFirstFrame(window))->setParent(&window);
    });
}
