// The character sheet that saving right after start-up writes, for tests.
#pragma once

#include <string>
#include <vector>

namespace tessmar {

inline std::string blanks(std::size_t n)
{
    return std::string(n, ' ');
}

inline std::string crlf_lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The sheet that saving right after start-up writes, line by line.
inline std::vector<std::string> start_state_lines()
{
    return {
        "Name:  ",
        "Race:  Human/male" + blanks(11) + "Background:  none",
        "",
        "Level:  1" + blanks(5 + 14) + "Aptitude: 0  (neutral)",
        "",
        "Alternative Background: ",
        "",
        blanks(18) + "Primary Statistics",
        "",
        "Strength:      8" + blanks(12 + 14) + "Intelligence:  8",
        "Constitution:  8" + blanks(12 + 14) + "Willpower:     8",
        "Dexterity:     8" + blanks(12 + 14) + "Perception:    8",
        "Beauty:        8" + blanks(12 + 14) + "Charisma:      8",
        "",
        "Hitpoints: 30      Fatigue: 30",
        "",
        "Carry Weight: 000" + blanks(11 + 14) + "Damage Bonus: 00",
        "",
        "Armor Class adj.: 00" + blanks(8 + 14) + "Speed: 00",
        "",
        "",
        blanks(27) + "Skills",
        "",
        "Bow:         0" + blanks(28) + "Dodge:             0",
        "Melee:       0" + blanks(28) + "Throwing:          0",
        "Backstab:    0" + blanks(28) + "Pick Pocket:       0",
        "Prowling:    0" + blanks(28) + "Spot Trap:         0",
        "Gambling:    0" + blanks(28) + "Haggle:            0",
        "Heal:        0" + blanks(28) + "Persuasion:        0",
        "Repair:      0" + blanks(28) + "Firearms:          0",
        "Pick Locks:  0" + blanks(28) + "Arm/Disarm Traps:  0",
        "",
        "",
        "   Spells/Schematics",
        "",
    };
}

}  // namespace tessmar
