// Conversions between box texts and numbers.
#include "platform/box_value.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace tessmar {

double box_number(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    std::size_t end = text.size();
    while (end > start && text[end - 1] == ' ') --end;
    std::string_view digits = text.substr(start, end - start);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    double value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc{} || ptr != digits.data() + digits.size() || !std::isfinite(value)) return 0;
    return value;
}

std::string box_text(double value)
{
    if (value == 0 || !std::isfinite(value)) value = 0;  // no "-0"
    char buffer[64];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc{}) return "0";
    return std::string(buffer, ptr);
}

}  // namespace tessmar
