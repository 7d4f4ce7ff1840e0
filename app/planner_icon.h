// The planner's icon, for its window's title bar and task list: the picture of
// tessmar-planner.svg, drawn when the program was built (by planner-icon-tool).
#pragma once

#include <QIcon>

namespace tessmar {

// The icon at 16, 24, 32, 48, 64 and 128 pixels; needs the application to exist.
QIcon built_planner_icon();

}  // namespace tessmar
