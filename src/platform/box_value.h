// Box values: every number on the sheet is the text of a box. A rule reads the
// whole text as a number and writes results back as their shortest decimal text.
#pragma once

#include <string>
#include <string_view>

namespace tessmar {

// The whole text read as a number: "000" is 0, "05" is 5, "-0.25" is -0.25.
// Text that is not a number reads as 0 (the program never writes such text).
double box_number(std::string_view text);

// Shortest decimal text: "8", "0.5", "-0.25", "4000"; never "08", "8.0" or "-0".
std::string box_text(double value);

}  // namespace tessmar
