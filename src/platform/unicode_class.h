// What Unicode says a code point is, as far as file names need it: a letter or
// decimal digit, or a mark that goes with the character before it.
#pragma once

namespace tessmar {

// General categories L* and Nd.
bool is_letter_or_digit(char32_t point);

// General categories Mn, Mc and Me.
bool is_mark(char32_t point);

}  // namespace tessmar
