// The script reader's own failures: a script that stops being readable midway
// is an error of the script at the line it could not read, not a short script;
// how errors repeat what the script said; and list entries named by their text.
#include <gtest/gtest.h>

#include <istream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "scenario.h"
#include "window/form1.h"

namespace tessmar {
namespace {

// Gives its text, then fails as a broken disk or a folder read as a file does.
class FailingAfter : public std::streambuf {
public:
    explicit FailingAfter(std::string text) : text_(std::move(text))
    {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

protected:
    int_type underflow() override { throw std::runtime_error("read error"); }

private:
    std::string text_;
};

TEST(ScenarioReader, AScriptThatCannotBeReadToItsEndIsAnError)
{
    FailingAfter source("click ST_plus\nexpect cpsleft 4\n");
    std::istream script(&source);
    std::ostringstream out, err;
    EXPECT_EQ(run_scenario(script, "broken.scn", out, err), scenario_error);
    EXPECT_EQ(err.str(), "broken.scn:3: cannot read the script\n");
}

struct ScriptRun {
    ScenarioStatus status;
    std::string out;
    std::string err;
};

ScriptRun run_text(const std::string& text)
{
    std::istringstream script(text);
    std::ostringstream out, err;
    const ScenarioStatus status = run_scenario(script, "s.scn", out, err);
    return {status, out.str(), err.str()};
}

// A script of a table of cases, run as s.scn, with what it must return, print
// and report.
struct ScriptCase {
    const char* name;
    std::string script;
    ScenarioStatus status;
    std::string out;
    std::string err;
};

void expect_runs(const std::vector<ScriptCase>& cases)
{
    for (const ScriptCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ScriptRun run = run_text(c.script);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}

// What a script prints and reports when it runs into an error, and where the
// run ends up.
TEST(ScenarioReader, ErrorsRepeatTheScriptWholeButShort)
{
    using namespace std::string_literals;
    const std::string long_key(10'000'000, 'K');
    const std::string eighty_a(80, 'a');
    expect_runs({
        {"print of an unknown key prints nothing of it", "print cpsleft\nprint nosuchkey\n", scenario_error,
         "cpsleft=5\n", "s.scn:2: unknown key nosuchkey\n"},
        {"print of an unknown property", "print ST_plus.text\n", scenario_error, "",
         "s.scn:1: unknown property ST_plus.text\n"},
        {"a NUL byte is shown, and the text after it", "click ST\0plus\n"s, scenario_error, "",
         "s.scn:1: unknown control ST\\x00plus\n"},
        {"a NUL byte in an escape", "expect PCname.text \\\0\n"s, scenario_error, "",
         "s.scn:1: unknown escape \\\\x00\n"},
        {"a long key is cut", "print " + long_key + "\n", scenario_error, "",
         "s.scn:1: unknown key " + std::string(80, 'K') + "... (cut, 10000000 bytes in all)\n"},
        {"eighty characters are shown whole", "print " + eighty_a + "\n", scenario_error, "",
         "s.scn:1: unknown key " + eighty_a + "\n"},
        {"a long command of two-byte characters is cut between characters",
         [] {
             std::string word;
             for (int i = 0; i < 100; ++i) word += "\xC3\xA9";
             return word + "\n";
         }(),
         scenario_error, "", [] {
             std::string shown;
             for (int i = 0; i < 80; ++i) shown += "\xC3\xA9";
             return "s.scn:1: unknown command " + shown + "... (cut, 200 bytes in all)\n";
         }()},
        {"a byte-order mark before the first line is skipped", "\xEF\xBB\xBFprint cpsleft\r\nprint Clevel.text\n",
         scenario_passed, "cpsleft=5\nClevel.text=1\n", ""},
        {"a byte-order mark on a later line is not", "print cpsleft\n\xEF\xBB\xBFprint cpsleft\n", scenario_error,
         "cpsleft=5\n", "s.scn:2: unknown command \xEF\xBB\xBFprint\n"},
    });
}

// An entry's text in quotation marks runs to the end of the line, blanks after
// the closing mark left out; it takes the escapes of values and must be the
// whole text of an entry.
TEST(ScenarioReader, ListEntriesByTheirText)
{
    expect_runs({
        {"a blank inside the marks is part of the text, blanks after them are not",
         "click Magick_list   \"Divination \"  \nprint Magick_list.selected\n", scenario_passed,
         "Magick_list.selected=1\n", ""},
        {"the text without its blank names no entry", "click Magick_list \"Divination\"\n", scenario_error, "",
         "s.scn:1: no entry \"Divination\" in Magick_list\n"},
        {"an unknown entry stops the script at its line",
         "print cpsleft\ndblclick Race_Selection \"Human\"\nprint cpsleft\n", scenario_error, "cpsleft=5\n",
         "s.scn:2: no entry \"Human\" in Race_Selection\n"},
        {"escapes are read as in values", "click Race_Selection \"Dwarf\\\\male\"\n", scenario_error, "",
         "s.scn:1: no entry \"Dwarf\\\\male\" in Race_Selection\n"},
        {"a text without its closing mark", "dblclick Race_Selection \"Human/male\n", scenario_error, "",
         "s.scn:1: an entry's text in quotation marks must end the line: \"Human/male\n"},
        {"a word after the closing mark", "dblclick Race_Selection \"Human/male\" 11\n", scenario_error, "",
         "s.scn:1: an entry's text in quotation marks must end the line: \"Human/male\" 11\n"},
        {"a lone quotation mark", "click Race_Selection \"\n", scenario_error, "",
         "s.scn:1: an entry's text in quotation marks must end the line: \"\n"},
        {"neither an index nor a text", "click Race_Selection\n", scenario_error, "",
         "s.scn:1: Race_Selection needs an entry: its index or its text in quotation marks\n"},
        {"a text on a button", "click ST_plus \"ST_plus\"\n", scenario_error, "", "s.scn:1: ST_plus is not a list\n"},
    });
}

// Every entry of every list, named by its text, is the entry at its index: a
// double click on it by text and one by index leave windows that no script
// can tell apart. Each list is shown by the lines before it.
TEST(ScenarioReader, AnEntryNamedByItsTextIsTheEntryAtItsIndex)
{
    const auto entries_after = [](const std::string& lines, const std::string& list) {
        std::istringstream script(lines + "print cpsleft\n");
        std::ostringstream out, err;
        std::vector<std::string> entries;
        run_scenario(script, "s.scn", out, err, [&](const Form1& form, int) {
            entries = dynamic_cast<const ListBox&>(*form.controls().find(list)).items();
        });
        EXPECT_EQ(err.str(), "") << lines;
        return entries;
    };
    struct Shown {
        std::string lines;
        std::string list;
    };
    std::vector<Shown> lists{{"", "Race_Selection"},
                             {"", "Background_Selection"},
                             {"", "Magick_list"},
                             {"click Tech_select\n", "Tech_list"},
                             {"dblclick Spell_list 0\ndblclick Spell_list 1\n", "purchased"}};
    for (std::size_t c = 0; c < entries_after("", "Magick_list").size(); ++c)
        lists.push_back({"click Magick_list " + std::to_string(c) + "\n", "Spell_list"});
    for (std::size_t d = 0; d < entries_after("click Tech_select\n", "Tech_list").size(); ++d)
        lists.push_back({"click Tech_select\nclick Tech_list " + std::to_string(d) + "\n", "Schematic_list"});
    for (const Shown& shown : lists) {
        const std::vector<std::string> entries = entries_after(shown.lines, shown.list);
        EXPECT_FALSE(entries.empty()) << shown.lines << shown.list;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string by_index = "dblclick " + shown.list + " " + std::to_string(i) + "\n";
            const std::string by_text = "dblclick " + shown.list + " \"" + escape_value(entries[i]) + "\"\n";
            SCOPED_TRACE(shown.lines + by_text);
            const ScriptRun indexed = run_text(shown.lines + by_index + "dump\n");
            const ScriptRun named = run_text(shown.lines + by_text + "dump\n");
            EXPECT_EQ(named.status, scenario_passed) << named.err;
            EXPECT_EQ(named.out, indexed.out);
        }
    }
}

}  // namespace
}  // namespace tessmar
