// How the Save As dialog is asked for a character sheet's path, and the folder
// a chosen path leaves for the next time.
#pragma once

#include <string>

#include "platform/platform.h"

namespace tessmar {

// Titled "Save character sheet", text files shown first, then all files; a
// name typed without a suffix gets ".txt"; it starts in `folder` (empty: the
// user's documents folder).
SaveAsRequest character_sheet_request(const std::string& folder);

// The folder that holds the chosen path, where the next Save As starts; empty
// for a bare file name.
std::string folder_of(const std::string& path);

}  // namespace tessmar
