// Unicode's classes from a table generated from Unicode 14.0 (the version Qt 6.4
// reads), not from the C library's iswalnum_l, which needs a UTF-8 locale that
// may not be installed and counts many marks and numbers such as U+2160 as letters.
#include "platform/unicode_class.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "platform/unicode_class_ranges.h"

namespace tessmar {

namespace {

template <std::size_t N>
bool in_ranges(const CodePointRange (&ranges)[N], char32_t point)
{
    // The first range that starts after point; the one before it may hold point.
    const auto after = std::upper_bound(std::begin(ranges), std::end(ranges), point,
                                        [](char32_t p, const CodePointRange& range) { return p < range.first; });
    return after != std::begin(ranges) && point <= std::prev(after)->last;
}

}  // namespace

bool is_letter_or_digit(char32_t point) { return in_ranges(letter_or_digit_ranges, point); }

bool is_mark(char32_t point) { return in_ranges(mark_ranges, point); }

}  // namespace tessmar
