// The script reader's own failures: a script that stops being readable midway
// is an error of the script at the line it could not read, not a short script;
// and how errors repeat what the script said.
#include <gtest/gtest.h>

#include <istream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "scenario.h"

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

// What a script prints and reports when it runs into an error, and where the
// run ends up.
TEST(ScenarioReader, ErrorsRepeatTheScriptWholeButShort)
{
    using namespace std::string_literals;
    const std::string long_key(10'000'000, 'K');
    const std::string eighty_a(80, 'a');
    struct Case {
        const char* name;
        std::string script;
        ScenarioStatus status;
        std::string out;
        std::string err;
    };
    const std::vector<Case> cases{
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream script(c.script);
        std::ostringstream out, err;
        EXPECT_EQ(run_scenario(script, "s.scn", out, err), c.status);
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
}

}  // namespace
}  // namespace tessmar
