// The entries of the race and background selection lists, as start-up adds them.
#pragma once

#include <array>
#include <string_view>

namespace tessmar {

// Background_Selection, unsorted: the position is the background index.
inline constexpr std::array<std::string_view, 38> background_entries{
    "No Background", "Apprentice to a Shopkeeper", "Army Training", "Beat with an Ugly Stick", "Bookworm",
    "Born Under a Sign", "Bully", "Charlatan's Protege", "Child of a Hero", "Clanless Dwarf", "Debutante",
    "Disenfranchised Gnome", "Elvish Blood", "Extreme Personality", "Factory Escapee", "Feral Child",
    "Foppish Elf", "Freed Bodyguard", "Halfling Orphan", "Hyperactive", "Inheritance", "Lady 's Man",
    "Professional Knife Tosser", "Raised by Elves", "Raised by Monks", "Raised by Orcs", "Raised in the Pits",
    "Raised by Snake Handlers", "Ran Away with the Circus", "Rare Half-Ogre Birth", "Sent to Charm School",
    "Sheltered Childhood", "Sickly", "Special Person", "Suppressed Orcish Looks", "Tough Hide",
    "Troll Offspring", "Wild half - ogre"};

// Race_Selection is sorted: these go in in this order and take their sorted
// places, so the race index is the position in the sorted list, not here.
inline constexpr std::array<std::string_view, 12> race_entries_as_added{
    "Dwarf/male", "Half-Elf/female", "Human/male", "Human/female", "Half-Elf/male", "Elf/male",
    "Elf/female", "Half-Orc/male", "Half-Orc/female", "Gnome/male", "Halfling/male", "Half-Ogre/male"};

}  // namespace tessmar
