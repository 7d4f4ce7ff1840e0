// UTF-8 read a code point at a time, as the text boxes and file names take it:
// a byte that starts no valid sequence stands for one U+FFFD.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessmar {

inline constexpr std::string_view replacement_character = "\xEF\xBF\xBD";  // U+FFFD

// Length in bytes of the valid UTF-8 sequence that starts at text[i]; 0 where
// text[i] starts none (a stray continuation byte, a lead byte without its
// continuation bytes, an overlong form, a surrogate or a code beyond U+10FFFF).
std::size_t valid_sequence_length(std::string_view text, std::size_t i);

struct CodePointAt {
    char32_t point;     // U+FFFD for a byte that starts no valid sequence
    std::size_t bytes;  // 1 for such a byte
};

CodePointAt code_point_at(std::string_view text, std::size_t i);

std::u32string code_points(std::string_view text);

}  // namespace tessmar
