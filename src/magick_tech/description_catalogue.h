// Description texts of the spells and schematics, by catalogue position.
#pragma once
#include <array>
#include <string_view>
namespace tessmar {
// What each spell does, by college index and spell rank.
extern const std::array<std::array<std::string_view, 5>, 16> spell_description_table;
// What each schematic makes or does, by discipline index and schematic position.
extern const std::array<std::array<std::string_view, 7>, 8> schematic_description_table;
}
