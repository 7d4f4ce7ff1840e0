// Decoding UTF-8, each byte outside a valid sequence as one U+FFFD.
#include "platform/utf8.h"

namespace tessmar {

std::size_t valid_sequence_length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u; };
    const auto follows = [&](std::size_t k, unsigned lo = 0x80, unsigned hi = 0xBF) {
        const unsigned b = byte(k);
        return i + k < text.size() && b >= lo && b <= hi;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return follows(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned lo = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned hi = lead == 0xED ? 0x9F : 0xBF;
        return follows(1, lo, hi) && follows(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned lo = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = lead == 0xF4 ? 0x8F : 0xBF;
        return follows(1, lo, hi) && follows(2) && follows(3) ? 4 : 0;
    }
    return 0;
}

CodePointAt code_point_at(std::string_view text, std::size_t i)
{
    const std::size_t length = valid_sequence_length(text, i);
    if (length == 0) return {U'\uFFFD', 1};
    // The lead byte's payload bits, then six from each continuation byte.
    constexpr unsigned char lead_bits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    auto point = static_cast<char32_t>(static_cast<unsigned char>(text[i]) & lead_bits[length]);
    for (std::size_t k = 1; k < length; ++k) point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    return {point, length};
}

std::u32string code_points(std::string_view text)
{
    std::u32string points;
    for (std::size_t i = 0; i < text.size();) {
        const CodePointAt c = code_point_at(text, i);
        points += c.point;
        i += c.bytes;
    }
    return points;
}

}  // namespace tessmar
