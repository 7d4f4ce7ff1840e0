// How the Save As dialog is asked for a character sheet's path, and the folder
// a saved path leaves for the next time.
#pragma once

#include <string>

#include "platform/platform.h"

namespace tessmar {

// Titled "Save character sheet", text files shown first, then all files; a
// name typed without a suffix gets ".txt"; it starts in `folder` (empty: the
// user's documents folder) with proposed_name in its file name box.
SaveAsRequest character_sheet_request(const std::string& folder, const std::string& proposed_name = {});

// The folder where the next Save As starts once a save to path worked: the
// folder that holds it, or empty (the user's documents folder) for a bare file
// name. Not a path to open: the file itself is written through replace_file.
std::string save_folder_of(const std::string& path);

}  // namespace tessmar
