// The character sheet's file name in the Save As dialog: the ".txt" it gets.
// Text is UTF-8.
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

}  // namespace tessmar
