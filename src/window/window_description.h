// The window Form1 described once, as data: its own properties and every one of
// its 166 controls in one table. Form1, the Qt layer and the tests read it.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "platform/controls.h"

namespace tessmar {

// A colour that the description leaves to the toolkit's default for the kind.
inline constexpr Color default_color = 0xFFFFFFFFu;

inline constexpr Font window_font{8.25f, true};  // the window's own font

struct ControlDescription {
    std::string_view name{};
    ControlKind kind = ControlKind::Label;
    Place place;
    std::string_view text{};  // start text of a text box, caption of a label or button
    Color back_color = default_color;  // text box, button, list box
    Color fore_color = default_color;  // text box, label, list box
    Font font = window_font;
    std::string_view tooltip{};
    bool visible = true;
    bool read_only = true;   // text boxes
    bool multi_line = false;  // text boxes
    int max_length = 0;       // text boxes; 0 is no limit
    bool sorted = false;      // list boxes
    // What assistive technology reads of the control.
    std::string_view accessible_name{};  // empty: its caption, or the label that names it
    std::string_view labelled_by{};      // the label beside it on screen that names it
    std::array<std::string_view, 3> reports{};  // boxes or labels whose new values a user's action on it tells
    bool live = false;                          // text boxes: each new message in it is told at once
};

struct WindowDescription {
    std::string_view caption;
    int client_width;   // twips
    int client_height;  // twips
    Color back_color;
    Color fore_color;
    Font font;
    int picture_width;   // pixels
    int picture_height;  // pixels
};

const WindowDescription& form1_window();

// Every control of Form1, in description order.
std::span<const ControlDescription> form1_controls();

// The order in which Tab moves the focus through Form1: group by group as the
// window shows them (name; race and background lists with the description box
// below them; level-up; stat lines; skills; spells and schematics with the
// purchases and the alternative background; the action buttons), each group by
// place, column by column. The first control has the focus when the window
// opens. A control that is not listed, such as a read-only display box, takes
// the focus only from a click.
std::span<const std::string_view> form1_tab_order();

}  // namespace tessmar
