// The scenario script interpreter behind sheet-driver.
#include "scenario.h"

#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "platform/box_value.h"
#include "platform/platform.h"
#include "window/form1.h"
#include "window/state_variables.h"
#include "window/window_description.h"

namespace tessmar {

namespace {

// The dialog answers whatever the script's next save line says.
class ScriptedSaveDialog : public SaveAsDialog {
public:
    std::string answer;
    std::string show_save_as(const SaveAsRequest&) override { return std::exchange(answer, {}); }
};

class ScriptedProgramEnd : public ProgramEnd {
public:
    bool ended = false;
    void end_program() override { ended = true; }
};

// An error of the script: reported with its line, and the run stops.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

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
        if (i + 1 == text.size()) throw ScriptError("a backslash ends the text");
        char escaped = text[++i];
        if (escaped == 'n') result += '\n';
        else if (escaped == 'r' && carriage_return_allowed) result += '\r';
        else if (escaped == '\\') result += '\\';
        else throw ScriptError(std::string("unknown escape \\") + escaped);
    }
    return result;
}

int parse_index(std::string_view word)
{
    int index = 0;
    auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), index);
    if (word.empty() || ec != std::errc{} || ptr != word.data() + word.size())
        throw ScriptError("not an index: " + std::string(word));
    return index;
}

std::string bool_text(bool b) { return b ? "True" : "False"; }

class Scenario {
public:
    Scenario(std::ostream& out, std::ostream& err, std::string_view file, const LineObserver& after_line)
        : out_(out), err_(err), file_(file), after_line_(after_line)
    {
        form_.Form_Load();
    }

    ScenarioStatus run(std::istream& script)
    {
        std::string line;
        while (std::getline(script, line)) {
            ++line_number_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            try {
                run_line(line);
            } catch (const ScriptError& error) {
                err_ << file_ << ':' << line_number_ << ": " << error.what() << '\n';
                return scenario_error;
            }
            if (after_line_) after_line_(form_, line_number_);
            if (program_end_.ended) {
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
            if (key.empty() || !next_word(rest).empty()) throw ScriptError("print takes one key");
            out_ << key << '=' << escape_value(value_of(key)) << '\n';
            return;
        }
        if (command == "expect") return expect(rest);
        if (command == "dump") {
            if (!next_word(rest).empty()) throw ScriptError("dump takes nothing");
            return dump();
        }
        throw ScriptError("unknown command " + std::string(command));
    }

    Control& control_named(std::string_view name)
    {
        Control* control = form_.controls().find(name);
        if (control == nullptr || control->kind() == ControlKind::FileDialog)
            throw ScriptError("unknown control " + std::string(name));
        return *control;
    }

    void click(bool twice, std::string_view rest)
    {
        std::string_view name = next_word(rest);
        Control& control = control_named(name);
        if (!control.visible) throw ScriptError("control " + std::string(name) + " is hidden");
        std::string_view index_word = next_word(rest);
        if (!next_word(rest).empty()) throw ScriptError("too many words");
        if (auto* list = dynamic_cast<ListBox*>(&control)) {
            if (index_word.empty()) throw ScriptError(std::string(name) + " needs the index of an entry");
            int index = parse_index(index_word);
            if (index < 0 || index >= list->count())
                throw ScriptError("index " + std::to_string(index) + " is outside " + std::string(name));
            if (twice) list->user_double_click(index);
            else list->user_click(index);
            return;
        }
        if (!index_word.empty()) throw ScriptError(std::string(name) + " is not a list");
        if (twice) throw ScriptError(std::string(name) + " is not a list");
        if (auto* button = dynamic_cast<Button*>(&control)) button->click();
        // Labels and text boxes raise no event.
    }

    void type(std::string_view rest)
    {
        std::string_view name = next_word(rest);
        Control& control = control_named(name);
        auto* box = dynamic_cast<TextBox*>(&control);
        if (box == nullptr || box->read_only) throw ScriptError(std::string(name) + " does not take typing");
        if (!box->visible) throw ScriptError("control " + std::string(name) + " is hidden");
        box->type(unescape(after_one_blank(rest), false));
    }

    void save(std::string_view rest)
    {
        std::string_view path = after_one_blank(rest);
        while (!path.empty() && path.back() == ' ') path.remove_suffix(1);
        if (!form_.SAVE.visible) throw ScriptError("control SAVE is hidden");
        save_dialog_.answer = std::string(path);
        form_.SAVE.click();
        save_dialog_.answer.clear();
    }

    void expect(std::string_view rest)
    {
        std::string_view key = next_word(rest);
        if (key.empty()) throw ScriptError("expect needs a key");
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
            if (auto value = state_value_text(form_, key)) return *value;
            throw ScriptError("unknown key " + std::string(key));
        }
        Control& control = control_named(key.substr(0, dot));
        std::optional<std::string> value = property(control, key.substr(dot + 1));
        if (!value) throw ScriptError("unknown property " + std::string(key));
        return *value;
    }

    static std::optional<std::string> property(const Control& control, std::string_view name)
    {
        if (name == "visible") return bool_text(control.visible);
        if (name == "tooltip") return control.tooltip;
        if (name == "left") return std::to_string(control.place.left);
        if (name == "top") return std::to_string(control.place.top);
        if (name == "width") return std::to_string(control.place.width);
        if (name == "height") return std::to_string(control.place.height);
        if (const auto* box = dynamic_cast<const TextBox*>(&control)) {
            if (name == "text") return box->text;
            if (name == "backcolor") return color_text(box->back_color);
            if (name == "forecolor") return color_text(box->fore_color);
        } else if (const auto* label = dynamic_cast<const Label*>(&control)) {
            if (name == "caption") return label->caption;
            if (name == "forecolor") return color_text(label->fore_color);
        } else if (const auto* button = dynamic_cast<const Button*>(&control)) {
            if (name == "caption") return button->caption;
            if (name == "backcolor") return color_text(button->back_color);
        } else if (const auto* list = dynamic_cast<const ListBox*>(&control)) {
            if (name == "items") {
                std::string joined;
                for (int i = 0; i < list->count(); ++i) joined += (i ? "|" : "") + list->item(i);
                return joined;
            }
            if (name == "count") return std::to_string(list->count());
            if (name == "selected") return std::to_string(list->list_index());
            if (name == "backcolor") return color_text(list->back_color);
            if (name == "forecolor") return color_text(list->fore_color);
            if (name.starts_with("item(") && name.ends_with(")")) {
                int index = parse_index(name.substr(5, name.size() - 6));
                if (index < 0 || index >= list->count()) throw ScriptError("index outside " + list->name());
                return list->item(index);
            }
        }
        return std::nullopt;
    }

    void dump()
    {
        out_ << "Form1.caption=" << escape_value(form1_window().caption) << '\n';
        static constexpr std::string_view text_box_keys[] = {"text", "backcolor", "forecolor", "visible", "tooltip",
                                                             "left", "top", "width", "height"};
        static constexpr std::string_view label_keys[] = {"caption", "forecolor", "visible", "tooltip",
                                                          "left",    "top",       "width",   "height"};
        static constexpr std::string_view button_keys[] = {"caption", "backcolor", "visible", "tooltip",
                                                           "left",    "top",       "width",   "height"};
        static constexpr std::string_view list_keys[] = {"items",   "count", "selected", "backcolor",
                                                         "forecolor", "visible", "tooltip", "left",
                                                         "top",     "width", "height"};
        for (const Control* control : form_.controls().in_order()) {
            std::span<const std::string_view> keys;
            switch (control->kind()) {
            case ControlKind::TextBox: keys = text_box_keys; break;
            case ControlKind::Label: keys = label_keys; break;
            case ControlKind::Button: keys = button_keys; break;
            case ControlKind::ListBox: keys = list_keys; break;
            case ControlKind::FileDialog: continue;
            }
            for (std::string_view key : keys)
                out_ << control->name() << '.' << key << '=' << escape_value(*property(*control, key)) << '\n';
        }
        for (const StateVariable& variable : form1_state_variables())
            out_ << variable.name << '=' << state_variable_text(form_, variable) << '\n';
        for (int c = 0; c < college_count; ++c)
            for (int k = 0; k < spell_ranks; ++k)
                out_ << "spells(" << c << ',' << k << ")=" << box_text(form_.spells[c][k]) << '\n';
        for (int d = 0; d < discipline_count; ++d)
            for (int s = 0; s < schematic_positions; ++s)
                out_ << "techpurchased(" << d << ',' << s << ")=" << box_text(form_.techpurchased[d][s]) << '\n';
    }

    std::ostream& out_;
    std::ostream& err_;
    std::string file_;
    const LineObserver& after_line_;
    ScriptedSaveDialog save_dialog_;
    ScriptedProgramEnd program_end_;
    Form1 form_{save_dialog_, program_end_};
    int line_number_ = 0;
    bool failed_ = false;
};

}  // namespace

std::string escape_value(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (c == '\r') escaped += "\\r";
        else if (c == '\n') escaped += "\\n";
        else if (c == '\\') escaped += "\\\\";
        else escaped += c;
    }
    return escaped;
}

ScenarioStatus run_scenario(std::istream& script, std::string_view file_name, std::ostream& out, std::ostream& err,
                            const LineObserver& after_line)
{
    Scenario scenario(out, err, file_name, after_line);
    return scenario.run(script);
}

}  // namespace tessmar
