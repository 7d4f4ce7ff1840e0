// The window's controls as plain data: text boxes, labels, buttons, list boxes and
// the file dialog component, with the events they raise. No toolkit is involved;
// the Qt layer draws these and the rules read and write them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"

namespace tessmar {

enum class ControlKind : std::uint8_t { TextBox, Label, Button, ListBox, FileDialog };

// MS Sans Serif at a point size; the Qt layer picks the nearest face it has.
struct Font {
    float points = 8.25f;
    bool bold = true;
    friend bool operator==(const Font&, const Font&) = default;
};

// Place and size in twips (15 to the pixel at 96 dpi), from the client area's top-left.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Place&, const Place&) = default;
};

using Handler = std::function<void()>;

// A list position (an int, -1 for none, as the lists count) as a row of a
// table of `rows` rows: nothing for a negative position or one past the table.
constexpr std::optional<std::size_t> table_row(int position, std::size_t rows)
{
    if (position < 0) return std::nullopt;
    const auto row = static_cast<std::size_t>(position);
    if (row >= rows) return std::nullopt;
    return row;
}

class Control {
public:
    Control(std::string name, ControlKind kind) : name_(std::move(name)), kind_(kind) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }

    Place place;
    Font font;
    std::string tooltip;
    bool visible = true;
    // For assistive technology: the control's name where its caption does not
    // give it, the label that names it, and the controls whose new values a
    // user's action on it tells (see window/spoken_result.h).
    std::string accessible_name;
    std::string labelled_by;
    std::vector<std::string> reports;

private:
    std::string name_;
    ControlKind kind_;
};

class TextBox : public Control {
public:
    explicit TextBox(std::string name) : Control(std::move(name), ControlKind::TextBox) {}

    // The text as a number, and a number written back as its shortest text.
    double value() const;
    void set_value(double v);

    // A user's edit: `inserted` replaces the `removed` characters after `at` (positions step a code point or a
    // line break), cut to what the box takes (README.md, "Using the planner"); returns the caret after it; no event.
    std::size_t edit(std::size_t at, std::size_t removed, std::string_view inserted);

    // What edit(at, removed, inserted) would take of `inserted`, as the box
    // would hold it, were the box's text `current` instead of its own: so that a
    // view can hand its widget no more than the box keeps. A line break in
    // `current` may stand as "\r\n", "\n" or "\r". Changes nothing.
    std::string fitting(std::string_view current, std::size_t at, std::size_t removed,
                        std::string_view inserted) const;

    // A user's typing that replaces the whole text, by the rules of edit().
    void type(std::string_view typed);

    // Shows a message: sets the text and counts it as said once more, so that a
    // screen reader speaks it even when it repeats the one before.
    void say(std::string message);
    std::uint32_t times_said() const { return said_; }

    std::string text;
    Color back_color = system_color::window_background;
    Color fore_color = system_color::window_text;
    bool read_only = true;
    bool multi_line = false;
    int max_length = 0;  // 0: no limit
    bool live = false;   // each new message in it is told at once

private:
    std::uint32_t said_ = 0;
};

class Label : public Control {
public:
    explicit Label(std::string name) : Control(std::move(name), ControlKind::Label) {}

    std::string caption;
    Color fore_color = system_color::button_text;
};

class Button : public Control {
public:
    explicit Button(std::string name) : Control(std::move(name), ControlKind::Button) {}

    // A user's click: runs the Click handler.
    void click() const
    {
        if (on_click) on_click();
    }

    std::string caption;
    Color back_color = system_color::button_face;
    Handler on_click;
};

class ListBox : public Control {
public:
    explicit ListBox(std::string name) : Control(std::move(name), ControlKind::ListBox) {}

    void clear();
    // Appends at the end, or in a sorted list at its sorted place.
    void add_item(std::string item);
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const std::vector<std::string>& items() const { return items_; }

    // The highlighted entry, -1 when none.
    int list_index() const { return selected_; }
    // The highlighted entry as a row of a table of `rows` rows listed in the
    // same order: nothing when none is highlighted or it is past the table.
    std::optional<std::size_t> highlighted_row(std::size_t rows) const { return table_row(selected_, rows); }
    // Selecting from code runs the Click handler before returning, also when the
    // index does not change. An index outside the list removes the highlight.
    void set_list_index(int index);

    // A user's click on an entry, and a user's double click (a click, then DblClick).
    void user_click(int index) { set_list_index(index); }
    void user_double_click(int index);

    bool sorted = false;
    Color back_color = system_color::window_background;
    Color fore_color = system_color::window_text;
    Handler on_click;
    Handler on_double_click;

private:
    std::vector<std::string> items_;
    int selected_ = -1;
};

// The file dialog component: no place in the layout, shown only as the Save As
// dialog through the platform's SaveAsDialog.
class FileDialog : public Control {
public:
    explicit FileDialog(std::string name) : Control(std::move(name), ControlKind::FileDialog) { visible = false; }
};

// The order of the sorted list: letters without regard to case, hyphens ignored
// ("Half-Elf" < "Halfling" < "Half-Ogre").
bool sorted_list_less(std::string_view a, std::string_view b);

}  // namespace tessmar
