// Scenario scripts: one user event per line against a fresh Form1, with
// print/expect/dump to show or check what the window then holds.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace tessmar {

enum ScenarioStatus { scenario_passed = 0, scenario_failed = 1, scenario_error = 2 };

// Runs one script from a freshly built and loaded window. Printed keys go to
// out; failed expectations and script errors ("FILE:LINE: reason") to err.
ScenarioStatus run_scenario(std::istream& script, std::string_view file_name, std::ostream& out, std::ostream& err);

// A value as scripts print it: CR as \r, LF as \n, backslash as \\.
std::string escape_value(std::string_view text);

}  // namespace tessmar
