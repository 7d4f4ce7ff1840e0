// The character sheet's file name in the Save As dialog: the ".txt" it gets,
// the name the dialog proposes, and the names it refuses. Text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tessmar {

// Whether the name ends in its own suffix: a dot, not the name's first
// character, then one to five letters or digits (by Unicode; a mark goes with
// the letter before it and is not counted).
bool has_own_suffix(std::string_view file_name);

// path with "." and suffix added after its file name (what follows the last
// "/"), unless that has its own suffix; an empty suffix or file name adds nothing.
std::string with_default_suffix(std::string_view path, std::string_view suffix);

// The file name the dialog opens with for a character of that name: blanks
// (spaces, tabs) trimmed at both ends, each "/" and control character made "_"
// so that it stays one name in the dialog's folder, each byte outside valid
// UTF-8 made U+FFFD; empty (nothing proposed) for a name that is then empty,
// "." or "..".
std::string proposed_file_name(std::string_view character_name);

// Whether a typed file name holds no word: blanks alone, or blanks and "." and
// suffix (".txt" alone too, which would be saved as a hidden ".txt.txt"). An
// empty name is not blank: the dialog refuses that one itself.
bool is_blank_file_name(std::string_view file_name, std::string_view suffix);

}  // namespace tessmar
