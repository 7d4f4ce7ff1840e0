// The frame that the window manager draws round a window of fixed size.
#pragma once

#include <QWidget>

namespace tessmar {

// Takes the resize function and handle back from the frame that a window of
// fixed size asks the X window manager for (Qt asks for both on every window,
// whatever its flags), so that no resize handle is drawn; creates the window's
// native window. Elsewhere it does nothing.
void ask_for_fixed_frame(QWidget& window);

}  // namespace tessmar
