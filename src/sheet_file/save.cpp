// The SAVE button: asks for a path, proposing the character's name, and writes
// the character sheet there.
#include <string>
#include <string_view>

#include "platform/file_replacement.h"
#include "sheet_file/character_sheet.h"
#include "sheet_file/file_name.h"
#include "sheet_file/save_request.h"
#include "window/form1.h"

namespace tessmar {

namespace {
// A failed save's message is this, then the system's reason: one short sentence
// that fits message_window, e.g. "Not saved: Permission denied".
constexpr std::string_view save_failed = "Not saved: ";
}  // namespace

void Form1::SAVE_Click()
{
    const std::string path =
        save_dialog_.show_save_as(character_sheet_request(save_folder_, proposed_file_name(PCname.text)));
    if (path.empty()) return;  // cancelled: nothing is written or shown
    const std::string bias_word = aptitude_bias_word(aptitude);
    // A failed save changes only the message; one that works takes back a failed save's message and leaves its
    // folder for the next dialog.
    const FileWriteResult written = replace_file(path, compose_character_sheet(*this, bias_word));
    if (!written) {
        message_window.say(std::string(save_failed) + written.reason());
        return;
    }
    save_folder_ = save_folder_of(path);
    if (message_window.text.starts_with(save_failed)) message_window.text.clear();
}

}  // namespace tessmar
