// One Qt widget for each control of the window model: building it, handing a
// user's input on to the model, and showing the model's state (place, font,
// colours, texts, flags, visibility) on the widget again.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>

#include "platform/controls.h"

namespace tessmar {

// Runs one user event on the model, then shows the whole window again.
using RunEvent = std::function<void(const std::function<void()>& event)>;

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual QWidget* widget() const = 0;
    // Shows the control's current state; changes only what differs, raises no event.
    virtual void mirror() = 0;
};

// The view of a control, with its widget made a child of parent; none for the
// file dialog component, which shows only as the Save As dialog.
std::unique_ptr<ControlView> make_view(Control& control, QWidget* parent, RunEvent run_event);

// Twips to pixels at 96 dpi (15 twips to the pixel).
int pixels(int twips);
QRect pixel_rect(const Place& place);
// The sans-serif face installed for MS Sans Serif, at the pixel size of its point size at 96 dpi.
QFont screen_font(const Font& font);
// A stored colour, a system colour &H800000nn& taken from the application's palette.
QColor screen_color(Color color);

}  // namespace tessmar
