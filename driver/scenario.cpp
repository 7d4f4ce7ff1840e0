// The scenario script interpreter behind sheet-driver.
#include "scenario.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/box_value.h"
#include "script_event.h"
#include "window/form1.h"
#include "window/state_variables.h"
#include "window/window_description.h"

namespace tessmar {

namespace {

// An error of the script: reported with its line, and the run stops. The
// reason is kept whole, NUL bytes included.
struct ScriptError {
    std::string reason;
};

// One character of a value as scripts print it: CR as \r, LF as \n, backslash
// as \\, any other as it is.
void append_printed(std::string& text, char c)
{
    if (c == '\r') text += "\\r";
    else if (c == '\n') text += "\\n";
    else if (c == '\\') text += "\\\\";
    else text += c;
}

// A word of the script as an error repeats it: line breaks and backslashes
// escaped as values are printed, other control characters (NUL among them) as
// \xHH, and a long word cut after 80 characters.
std::string shown(std::string_view word)
{
    constexpr int shown_characters = 80;
    std::string text;
    int characters = 0;
    std::size_t i = 0;
    for (; i < word.size(); ++i) {
        const auto byte = static_cast<unsigned char>(word[i]);
        const bool starts_character = (byte & 0xC0) != 0x80;
        if (starts_character && characters == shown_characters) break;
        if (starts_character) ++characters;
        if ((byte < 0x20 && byte != '\r' && byte != '\n') || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        } else {
            append_printed(text, static_cast<char>(byte));
        }
    }
    if (i < word.size()) text += "... (cut, " + std::to_string(word.size()) + " bytes in all)";
    return text;
}

std::string_view next_word(std::string_view& rest)
{
    std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    std::size_t end = rest.find(' ');
    std::string_view word = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
    return word;
}

// What follows the one blank after a word.
std::string_view after_one_blank(std::string_view rest)
{
    return rest.empty() ? rest : rest.substr(1);
}

// Escapes of expected values: \r, \n, \\. Typed text takes only \n and \\.
std::string unescape(std::string_view text, bool carriage_return_allowed = true)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            result += text[i];
            continue;
        }
        if (i + 1 == text.size()) throw ScriptError{"a backslash ends the text"};
        char escaped = text[++i];
        if (escaped == 'n') result += '\n';
        else if (escaped == 'r' && carriage_return_allowed) result += '\r';
        else if (escaped == '\\') result += '\\';
        else throw ScriptError{"unknown escape \\" + shown(std::string_view(&escaped, 1))};
    }
    return result;
}

int parse_index(std::string_view word)
{
    int index = 0;
    auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), index);
    if (word.empty() || ec != std::errc{} || ptr != word.data() + word.size())
        throw ScriptError{"not an index: " + shown(word)};
    return index;
}

std::string bool_text(bool b) { return b ? "True" : "False"; }

// The keys that scripts read from a control, one table per kind of control in
// the order that dump prints them, followed by the keys every control has.
// print and expect find a key in the same tables.
struct PropertyKey {
    std::string_view name;
    std::string (*read)(const Control&);
};

template <class Kind>
const Kind& as(const Control& control)
{
    return static_cast<const Kind&>(control);
}

std::string joined_items(const ListBox& list)
{
    std::string joined;
    for (int i = 0; i < list.count(); ++i) joined += (i ? "|" : "") + list.item(i);
    return joined;
}

constexpr PropertyKey text_box_keys[] = {
    {"text", [](const Control& c) { return as<TextBox>(c).text; }},
    {"backcolor", [](const Control& c) { return color_text(as<TextBox>(c).back_color); }},
    {"forecolor", [](const Control& c) { return color_text(as<TextBox>(c).fore_color); }},
};
constexpr PropertyKey label_keys[] = {
    {"caption", [](const Control& c) { return as<Label>(c).caption; }},
    {"forecolor", [](const Control& c) { return color_text(as<Label>(c).fore_color); }},
};
constexpr PropertyKey button_keys[] = {
    {"caption", [](const Control& c) { return as<Button>(c).caption; }},
    {"backcolor", [](const Control& c) { return color_text(as<Button>(c).back_color); }},
};
constexpr PropertyKey list_keys[] = {
    {"items", [](const Control& c) { return joined_items(as<ListBox>(c)); }},
    {"count", [](const Control& c) { return std::to_string(as<ListBox>(c).count()); }},
    {"selected", [](const Control& c) { return std::to_string(as<ListBox>(c).list_index()); }},
    {"backcolor", [](const Control& c) { return color_text(as<ListBox>(c).back_color); }},
    {"forecolor", [](const Control& c) { return color_text(as<ListBox>(c).fore_color); }},
};
constexpr PropertyKey common_keys[] = {
    {"visible", [](const Control& c) { return bool_text(c.visible); }},
    {"tooltip", [](const Control& c) { return c.tooltip; }},
    {"left", [](const Control& c) { return std::to_string(c.place.left); }},
    {"top", [](const Control& c) { return std::to_string(c.place.top); }},
    {"width", [](const Control& c) { return std::to_string(c.place.width); }},
    {"height", [](const Control& c) { return std::to_string(c.place.height); }},
};

using PropertyKeys = std::span<const PropertyKey>;

// Every key of a control of the kind, in dump's order: those of its kind, then
// those every control has. The file dialog has none.
std::array<PropertyKeys, 2> keys_of(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox: return {text_box_keys, common_keys};
    case ControlKind::Label: return {label_keys, common_keys};
    case ControlKind::Button: return {button_keys, common_keys};
    case ControlKind::ListBox: return {list_keys, common_keys};
    case ControlKind::FileDialog: break;
    }
    return {};
}

class Scenario {
public:
    Scenario(std::ostream& out, std::ostream& err, std::string_view file, const LineObserver& after_line)
        : out_(out), err_(err), file_(file), after_line_(after_line)
    {
    }

    ScenarioStatus run(std::istream& script)
    {
        std::string line;
        while (std::getline(script, line)) {
            ++line_number_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            // A byte-order mark that an editor put before the first line.
            if (line_number_ == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
            try {
                run_line(line);
            } catch (const ScriptError& error) {
                err_ << file_ << ':' << line_number_ << ": " << error.reason << '\n';
                return scenario_error;
            }
            if (after_line_) after_line_(window_.form, line_number_);
            if (window_.program_end.ended) {
                out_ << "program ended\n";
                break;
            }
        }
        if (script.bad()) {
            err_ << file_ << ':' << line_number_ + 1 << ": cannot read the script\n";
            return scenario_error;
        }
        return failed_ ? scenario_failed : scenario_passed;
    }

private:
    void run_line(std::string_view line)
    {
        std::string_view rest = line;
        std::string_view command = next_word(rest);
        if (command.empty() || command.front() == '#') return;
        if (command == "click" || command == "dblclick") return click(command == "dblclick", rest);
        if (command == "type") return type(rest);
        if (command == "save") return save(rest);
        if (command == "print") {
            std::string_view key = next_word(rest);
            if (key.empty() || !next_word(rest).empty()) throw ScriptError{"print takes one key"};
            const std::string value = value_of(key);  // an unknown key prints nothing
            out_ << key << '=' << escape_value(value) << '\n';
            return;
        }
        if (command == "expect") return expect(rest);
        if (command == "dump") {
            if (!next_word(rest).empty()) throw ScriptError{"dump takes nothing"};
            out_ << window_dump(window_.form);
            return;
        }
        throw ScriptError{"unknown command " + shown(command)};
    }

    Control& control_named(std::string_view name)
    {
        Control* control = window_.form.controls().find(name);
        if (control == nullptr || control->kind() == ControlKind::FileDialog)
            throw ScriptError{"unknown control " + shown(name)};
        return *control;
    }

    void click(bool twice, std::string_view rest)
    {
        std::string_view name = next_word(rest);
        Control& control = control_named(name);
        if (!control.visible) throw ScriptError{"control " + shown(name) + " is hidden"};
        const auto kind = twice ? ScriptEvent::Kind::double_click : ScriptEvent::Kind::click;
        if (const auto* list = dynamic_cast<const ListBox*>(&control))
            return perform_event(window_, {.kind = kind, .control = name, .index = entry_of(*list, rest)});
        std::string_view word = next_word(rest);
        if (!next_word(rest).empty()) throw ScriptError{"too many words"};
        if (!word.empty() || twice) throw ScriptError{shown(name) + " is not a list"};
        perform_event(window_, {.kind = kind, .control = name});
    }

    // The entry that a click names after its list: its index, or its text in
    // double quotation marks up to the end of the line.
    static int entry_of(const ListBox& list, std::string_view rest)
    {
        if (const std::size_t start = rest.find_first_not_of(' ');
            start != std::string_view::npos && rest[start] == '"')
            return entry_with_text(list, rest.substr(start));
        std::string_view index_word = next_word(rest);
        if (!next_word(rest).empty()) throw ScriptError{"too many words"};
        if (index_word.empty())
            throw ScriptError{shown(list.name()) + " needs an entry: its index or its text in quotation marks"};
        int index = parse_index(index_word);
        if (index < 0 || index >= list.count())
            throw ScriptError{"index " + std::to_string(index) + " is outside " + shown(list.name())};
        return index;
    }

    // The one entry whose whole text is the quoted text (blanks after the
    // closing mark left out). A text that two entries share does not say which
    // is meant: such an entry is given by its index.
    static int entry_with_text(const ListBox& list, std::string_view quoted)
    {
        quoted = quoted.substr(0, quoted.find_last_not_of(' ') + 1);
        if (quoted.size() < 2 || quoted.back() != '"')
            throw ScriptError{"an entry's text in quotation marks must end the line: " + shown(quoted)};
        const std::string text = unescape(quoted.substr(1, quoted.size() - 2));
        const std::vector<std::string>& items = list.items();
        const auto found = std::find(items.begin(), items.end(), text);
        if (found == items.end()) throw ScriptError{"no entry \"" + shown(text) + "\" in " + shown(list.name())};
        if (std::find(found + 1, items.end(), text) != items.end())
            throw ScriptError{"more than one entry \"" + shown(text) + "\" in " + shown(list.name()) +
                              ": give its index"};
        return static_cast<int>(found - items.begin());
    }

    void type(std::string_view rest)
    {
        std::string_view name = next_word(rest);
        Control& control = control_named(name);
        auto* box = dynamic_cast<TextBox*>(&control);
        if (box == nullptr || box->read_only) throw ScriptError{shown(name) + " does not take typing"};
        if (!box->visible) throw ScriptError{"control " + shown(name) + " is hidden"};
        const std::string typed = unescape(after_one_blank(rest), false);
        perform_event(window_, {.kind = ScriptEvent::Kind::type, .control = name, .text = typed});
    }

    void save(std::string_view rest)
    {
        std::string_view path = after_one_blank(rest);
        while (!path.empty() && path.back() == ' ') path.remove_suffix(1);
        if (!window_.form.SAVE.visible) throw ScriptError{"control SAVE is hidden"};
        perform_event(window_, {.kind = ScriptEvent::Kind::save, .control = "SAVE", .text = path});
    }

    void expect(std::string_view rest)
    {
        std::string_view key = next_word(rest);
        if (key.empty()) throw ScriptError{"expect needs a key"};
        std::string_view raw = after_one_blank(rest);
        if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') raw = raw.substr(1, raw.size() - 2);
        std::string expected = unescape(raw);
        std::string actual = value_of(key);
        if (actual != expected) {
            err_ << file_ << ':' << line_number_ << ": " << key << ": expected " << escape_value(expected)
                 << ", got " << escape_value(actual) << '\n';
            failed_ = true;
        }
    }

    std::string value_of(std::string_view key)
    {
        if (key == "Form1.caption") return std::string(form1_window().caption);
        std::size_t dot = key.find('.');
        if (dot == std::string_view::npos) {
            if (auto value = state_value_text(window_.form, key)) return *value;
            throw ScriptError{"unknown key " + shown(key)};
        }
        Control& control = control_named(key.substr(0, dot));
        std::optional<std::string> value = property(control, key.substr(dot + 1));
        if (!value) throw ScriptError{"unknown property " + shown(key)};
        return *value;
    }

    static std::optional<std::string> property(const Control& control, std::string_view name)
    {
        for (PropertyKeys keys : keys_of(control.kind()))
            for (const PropertyKey& key : keys)
                if (key.name == name) return key.read(control);
        // One entry of a list, which dump shows as part of its items.
        if (control.kind() == ControlKind::ListBox && name.starts_with("item(") && name.ends_with(")")) {
            const auto& list = as<ListBox>(control);
            int index = parse_index(name.substr(5, name.size() - 6));
            if (index < 0 || index >= list.count()) throw ScriptError{"index outside " + list.name()};
            return list.item(index);
        }
        return std::nullopt;
    }

    std::ostream& out_;
    std::ostream& err_;
    std::string file_;
    const LineObserver& after_line_;
    // Built and loaded as the program starts it; its Save As dialog answers
    // whatever the script's save line says.
    LoadedWindow window_;
    int line_number_ = 0;
    bool failed_ = false;
};

}  // namespace

std::string escape_value(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) append_printed(escaped, c);
    return escaped;
}

std::string window_dump(const Form1& form, std::string_view skip)
{
    std::ostringstream out;
    out << "Form1.caption=" << escape_value(form1_window().caption) << '\n';
    for (const Control* control : form.controls().in_order()) {
        if (control->name() == skip) continue;
        for (PropertyKeys keys : keys_of(control->kind()))
            for (const PropertyKey& key : keys)
                out << control->name() << '.' << key.name << '=' << escape_value(key.read(*control)) << '\n';
    }
    for (const StateVariable& variable : form1_state_variables())
        out << variable.name << '=' << state_variable_text(form, variable) << '\n';
    for (std::size_t c = 0; c < form.spells.size(); ++c)
        for (std::size_t k = 0; k < form.spells[c].size(); ++k)
            out << "spells(" << c << ',' << k << ")=" << box_text(form.spells[c][k]) << '\n';
    for (std::size_t d = 0; d < form.techpurchased.size(); ++d)
        for (std::size_t s = 0; s < form.techpurchased[d].size(); ++s)
            out << "techpurchased(" << d << ',' << s << ")=" << box_text(form.techpurchased[d][s]) << '\n';
    return out.str();
}

ScenarioStatus run_scenario(std::istream& script, std::string_view file_name, std::ostream& out, std::ostream& err,
                            const LineObserver& after_line)
{
    Scenario scenario(out, err, file_name, after_line);
    return scenario.run(script);
}

}  // namespace tessmar
