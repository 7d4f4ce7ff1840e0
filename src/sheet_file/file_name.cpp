// The suffix rule, the proposed name and the blank names of the Save As dialog,
// read as code points of UTF-8.
#include "sheet_file/file_name.h"

#include "platform/unicode_class.h"
#include "platform/utf8.h"

namespace tessmar {

namespace {

constexpr bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view without_blanks_around(std::string_view text)
{
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// C0, DEL and C1.
constexpr bool is_control(char32_t point) { return point < 0x20 || (point >= 0x7F && point <= 0x9F); }

}  // namespace

bool has_own_suffix(std::string_view file_name)
{
    const std::u32string points = code_points(file_name);
    int letters = 0;
    for (std::size_t i = points.size(); i-- > 0;) {
        const char32_t point = points[i];
        if (point == U'.') return letters >= 1 && i > 0 && !is_mark(points[i + 1]);
        if (is_letter_or_digit(point)) {
            if (++letters > 5) return false;
        } else if (!is_mark(point)) {
            return false;
        }
    }
    return false;
}

std::string with_default_suffix(std::string_view path, std::string_view suffix)
{
    const std::string_view file_name = path.substr(path.rfind('/') + 1);  // npos + 1: the whole path
    std::string result(path);
    if (suffix.empty() || file_name.empty() || has_own_suffix(file_name)) return result;
    return result.append(".").append(suffix);
}

std::string proposed_file_name(std::string_view character_name)
{
    const std::string_view name = without_blanks_around(character_name);
    std::string proposed;
    for (std::size_t i = 0; i < name.size();) {
        const CodePointAt c = code_point_at(name, i);
        if (c.point == U'/' || is_control(c.point))
            proposed += '_';
        else if (c.point == U'\uFFFD')
            proposed += replacement_character;  // also for a byte that starts no valid sequence
        else
            proposed += name.substr(i, c.bytes);
        i += c.bytes;
    }
    if (proposed == "." || proposed == "..") return {};
    return proposed;
}

bool is_blank_file_name(std::string_view file_name, std::string_view suffix)
{
    if (file_name.empty()) return false;
    std::string_view rest = without_blanks_around(file_name);
    if (!suffix.empty() && rest.ends_with(suffix) && rest.size() > suffix.size() &&
        rest[rest.size() - suffix.size() - 1] == '.')
        rest = without_blanks_around(rest.substr(0, rest.size() - suffix.size() - 1));
    return rest.empty();
}

}  // namespace tessmar
