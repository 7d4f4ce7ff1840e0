// The magick colleges with their spells and the technological disciplines with
// their schematics, keyed by list position (never by list text).
#pragma once

#include <array>
#include <string_view>

#include "window/form1.h"

namespace tessmar {

// Magick_list entries; "Divination " and "Air " end in a blank.
inline constexpr std::array<std::string_view, college_count> college_names{
    "Conveyance", "Divination ", "Air ", "Earth", "Fire", "Water", "Force", "Mental",
    "Meta", "Morphing", "Nature", "Black Necromantic", "White Necromantic", "Phantasm", "Summoning", "Temporal"};

// Spell names by college index and spell rank.
inline constexpr std::array<std::array<std::string_view, spell_ranks>, college_count> spell_names{{
    {"Unseen Force", "Unlocking Cantrip", "Shadow Shift", "Spatial Distortion", "Teleport"},
    {"Sense Alignment", "Sense Traps", "Read Aura", "Sense Invisible", "Divine Magick"},
    {"Vitality of Air", "Poison Vapours", "Call Wind", "Body of Air", "Call Air Elemental"},
    {"Strength of Earth", "Stone Toss", "Wall of Stone", "Body of Earth", "Call Earth Elemental"},
    {"Agility of Fire", "Wall of Fire", "Fireflash", "Body of Fire", "Call Fire Elemental"},
    {"Purity of Water", "Call Fog", "Squall of Ice", "Body of Water", "Call Water Elemental"},
    {"Shield of Protection", "Jolt", "Wall of Force", "Lightning Bolt", "Disintegrate"},
    {"Charm", "Stun", "Stupefy", "Nightmare", "Dominate Will"},
    {"Resist Magick", "Disperse Magick", "Dweomer Shield", "Bonds of Magick", "Reflective Shield"},
    {"Hardened Hands", "Weaken", "Shrink", "Flesh to Stone", "Polymorph"},
    {"Entangle", "Charm Beast", "Control Beast", "Succour Beast", "Regenerate"},
    {"Harm", "Poison", "Conjure Spirit", "Create Undead", "Quench Life"},
    {"Minor Healing", "Halt Poison", "Major Healing", "Full Healing", "Resurrection"},
    {"Illuminate", "Enshroud", "Blur Sight", "Phantasmal Fiend", "Invisibility"},
    {"Plague of Insects", "Orc Champion", "Guardian Ogre", "Hellgate", "Familiar"},
    {"Magelock", "Congeal Time", "Stasis", "Hasten", "Tempus Fugit"},
}};

// Tech_list entries; "Gun -Smithing" keeps its odd spacing.
inline constexpr std::array<std::string_view, discipline_count> discipline_names{
    "Chemistry", "Electrical", "Explosives", "Gun -Smithing", "Herbology", "Mechanical", "Smithy", "Therapeutics"};

// Schematic names by discipline index and schematic position.
inline constexpr std::array<std::array<std::string_view, schematic_positions>, discipline_count> schematic_names{{
    {"Charges", "Strong Poison", "Fuel", "Potion of Paralysis", "Corrosive Acid", "Animal Scent", "Animal Lure"},
    {"Electric Light", "Charged Ring", "Flow Spectrometer", "Shocking Staff", "Chapeau of Magnetic Inversion",
     "Healing Jacket", "Tesla Rod"},
    {"Bullets", "Mustard Gas Grenade", "Smoke Grenade", "Knock-Out Grenade", "Explosive Grenade",
     "Fire Obstruction", "Dynamite"},
    {"Crude Flintlock Pistol", "Fine Pistol", "Repeater Rifle", "Hushed Pistol", "Looking Glass Rifle",
     "Hand Cannon", "Elephant Gun"},
    {"heal Lite", "fatigue Restorer", "Poison Cure", "fatigue Limiter", "Accelerate Healing", "Wonder Drug",
     "Cure All"},
    {"Spike Trap", "Auto Skeleton Key", "Trap Springer", "Bear Trap", "Clockwork Decoy", "Eye Gear",
     "Mechanized Arachnid"},
    {"Pure Ore", "Balanced Sword", "Ultralite Axe", "Dwarven Gauntlets", "Helmet of Vision", "Ultralite Chainmail",
     "Elite Plate Mail"},
    {"Serum of Superior Intellect", "Elixer of Physical Prowess", "Liquid of Awareness",
     "Tonic of Increased Reflexes", "Mind Marvel", "Energizer", "Revitalizer"},
}};

// Spell rank k needs an Adjusted Willpower of 6 + 3k to buy, and the Base
// Willpower may not fall below it while the spell is owned.
constexpr int spell_willpower_needed(int rank) { return 6 + 3 * rank; }
// Schematic position s needs an Intelligence of 7 + 2s, likewise.
constexpr int schematic_intelligence_needed(int position) { return 7 + 2 * position; }

}  // namespace tessmar
