// The widget style and font that the planner's windows are drawn in.
#pragma once

namespace tessmar {

// One style on every platform, so that the colours the window gives are drawn
// as given, and the window's face at 8 points as the application's font.
void use_planner_style();

}  // namespace tessmar
