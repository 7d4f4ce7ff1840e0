// Colours as the window stores them: &H00BBGGRR& values, or the toolkit's
// system colours &H800000nn& for whatever a control leaves at its default;
// and a colour's text, as the window description writes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessmar {

using Color = std::uint32_t;

namespace system_color {
inline constexpr Color highlight_text = 0x8000000E;
inline constexpr Color button_face = 0x8000000F;
inline constexpr Color button_text = 0x80000012;
inline constexpr Color light_edge = 0x80000016;
inline constexpr Color tooltip_background = 0x80000018;
inline constexpr Color window_background = 0x80000005;
inline constexpr Color window_text = 0x80000008;
}  // namespace system_color

inline constexpr bool is_system_color(Color c) { return (c & 0xFF000000u) == 0x80000000u; }

// "&H" + eight upper-case hexadecimal digits + "&", as the window description writes colours.
inline std::string color_text(Color c)
{
    constexpr std::string_view digits = "0123456789ABCDEF";
    std::string text = "&H";
    for (int shift = 28; shift >= 0; shift -= 4) text += digits[(c >> shift) & 0xFu];
    return text + '&';
}

}  // namespace tessmar
