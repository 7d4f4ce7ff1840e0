// The suffix rule of the Save As dialog, read as code points of UTF-8.
#include "sheet_file/file_name.h"

#include "platform/unicode_class.h"
#include "platform/utf8.h"

namespace tessmar {

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

}  // namespace tessmar
