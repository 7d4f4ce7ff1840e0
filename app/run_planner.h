// Running the planner: the application and its style, the platform services,
// the window built through the Qt layer and shown, then the event loop.
#pragma once

#include <functional>

namespace tessmar {

class PlannerWindow;

// Returns the event loop's exit status. `before_show`, when given, sees the
// built window just before it is shown.
int run_planner(int argc, char** argv, const std::function<void(PlannerWindow&)>& before_show = {});

}  // namespace tessmar
