// The script reader's own failures: a script that stops being readable midway
// is an error of the script at the line it could not read, not a short script.
#include <gtest/gtest.h>

#include <istream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>

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

}  // namespace
}  // namespace tessmar
