// The shape of a saved character sheet, checked against the window it was
// saved from: its line ends, its fixed lines with their labels in their
// columns, the boxes' texts as they stand and the bought items at the end.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "window/form1.h"

namespace tessmar {

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong forms,
// no surrogates, nothing above U+10FFFF.
bool valid_utf8(std::string_view bytes);

::testing::AssertionResult sheet_file_matches(std::string_view bytes, const Form1& form);

}  // namespace tessmar
