// Everything that a window shows or holds, as one text: two windows whose
// snapshots are equal cannot be told apart by a script.
#pragma once

#include <string>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

// skip names a control left out, for a check that allows it alone to change.
std::string window_snapshot(const Form1& form, std::string_view skip = {});

}  // namespace tessmar
