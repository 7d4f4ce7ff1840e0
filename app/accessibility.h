// How assistive technology sees the planner's own widgets where Qt's view of
// them falls short.
#pragma once

namespace tessmar {

// Installs, once, the factory of the interfaces of the announcer, the window
// and the read-only one-line boxes; before the first widget is made.
void use_planner_accessibility();

}  // namespace tessmar
