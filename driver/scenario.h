// Scenario scripts: one user event per line against a fresh Form1, with
// print/expect/dump to show or check what the window then holds.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tessmar {

class Form1;

enum ScenarioStatus { scenario_passed = 0, scenario_failed = 1, scenario_error = 2 };

// Runs one script from a freshly built and loaded window. Printed keys go to
// out; failed expectations and script errors ("FILE:LINE: reason") to err.
// after_line, when given, sees the window after every line that ran (with its
// line number), so that a test can check what must hold at every step.
using LineObserver = std::function<void(const Form1& form, int line)>;
ScenarioStatus run_scenario(std::istream& script, std::string_view file_name, std::ostream& out, std::ostream& err,
                            const LineObserver& after_line = {});

// A value as scripts print it: CR as \r, LF as \n, backslash as \\.
std::string escape_value(std::string_view text);

// Everything that a window shows or holds, as the dump command prints it: one
// "key=value" line for each key of each control, each window-level variable and
// each ownership cell. Two windows with equal dumps cannot be told apart by a
// script. skip names a control left out, for a check that allows it alone to
// change.
std::string window_dump(const Form1& form, std::string_view skip = {});

}  // namespace tessmar
