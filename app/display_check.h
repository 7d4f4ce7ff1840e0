// The planner's own word for a display that is missing or cannot be opened,
// said in one line with how to run it without a screen, in place of Qt's abort.
#pragma once

namespace tessmar {

// Where Qt would pick X by itself or was told to, says so and returns true
// when DISPLAY is empty; a Wayland session or another platform plugin is left to Qt.
bool reported_no_display(const char* program);

// Holds Qt's messages back while the window is being built and, when Qt could
// not connect to the X display, ends with the planner's line and status 1
// instead of Qt's abort. The display is not tried beforehand: a trial
// connection closed just before Qt's own would make an X server reset.
class DisplayCheck {
public:
    static void begin(const char* program);
    // The window is built: Qt's messages go their own way again, the held ones first.
    static void end();
};

}  // namespace tessmar
