// The Save As dialog's settings for the character sheet.
#include "sheet_file/save_request.h"

#include <filesystem>

namespace tessmar {

SaveAsRequest character_sheet_request(const std::string& folder, const std::string& proposed_name)
{
    return SaveAsRequest{"Save character sheet", {"Text files (*.txt)", "All files (*)"}, "txt", folder,
                         proposed_name};
}

std::string save_folder_of(const std::string& path)
{
    return std::filesystem::path(path).parent_path().string();
}

}  // namespace tessmar
