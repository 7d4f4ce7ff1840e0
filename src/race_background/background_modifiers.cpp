// The background modifier table and the background step: a background's
// caption and fixed modifiers, applied on top of a fresh race sheet by the
// background list's double click.
#include <array>
#include <string>
#include <string_view>

#include "race_background/sheet_boxes.h"
#include "window/form1.h"

namespace tessmar {

namespace {

// One background: its caption and the amounts added to the Adjusted attribute
// boxes and to the skill boxes (0: the box is left alone).
struct BackgroundRow {
    std::string_view caption;
    int ST = 0, DX = 0, CN = 0, BE = 0, IN = 0, WP = 0, PE = 0, CH = 0;
    SkillValues skills = {};
};

// By background index, the order of the background list. Five captions differ
// from their list entries: rows 0, 1, 2, 21 and 37.
constexpr std::array<BackgroundRow, 38> background_modifier_table{{
    /*  0 */ {.caption = "None"},
    /*  1 */ {.caption = "apprentice to a shopkeeper", .DX = -1, .skills = {.haggle = 0.25}},
    /*  2 */ {.caption = "army training", .ST = 1, .DX = -1, .skills = {.bow = 0.25, .melee = 0.25}},
    /*  3 */ {.caption = "Beat with an Ugly Stick", .ST = 2, .DX = 2, .BE = -6, .skills = all_combat(0.25)},
    /*  4 */ {.caption = "Bookworm", .IN = 1, .PE = -1},
    /*  5 */ {.caption = "Born Under a Sign"},
    /*  6 */ {.caption = "Bully", .ST = 1, .IN = -1},
    /*  7 */ {.caption = "Charlatan's Protege", .ST = -2, .CN = -2, .CH = 6, .skills = all_combat(-0.25)},
    /*  8 */ {.caption = "Child of a Hero"},
    /*  9 */ {.caption = "Clanless Dwarf", .skills = all_tech(-0.5)},
    /* 10 */ {.caption = "Debutante", .ST = -1, .DX = -1, .BE = 3, .CH = 3, .skills = all_combat(-0.5)},
    /* 11 */ {.caption = "Disenfranchised Gnome", .ST = 1, .skills = {.haggle = -0.5}},
    /* 12 */ {.caption = "Elvish Blood", .DX = 1, .skills = all_tech(-0.5)},
    /* 13 */ {.caption = "Extreme Personality"},
    /* 14 */ {.caption = "Factory Escapee", .ST = 1},
    /* 15 */ {.caption = "Feral Child", .DX = 3, .IN = -6,
              .skills = {.pickpocket = 0.25, .prowling = 0.25, .haggle = -0.25, .persuasion = -0.25}},
    /* 16 */ {.caption = "Foppish Elf", .DX = -1, .skills = {.persuasion = 0.5}},
    /* 17 */ {.caption = "Freed Bodyguard", .IN = -1},
    /* 18 */ {.caption = "Halfling Orphan", .IN = -1, .skills = {.pickpocket = 0.5}},
    /* 19 */ {.caption = "Hyperactive", .DX = 1, .CH = -1},
    /* 20 */ {.caption = "Inheritance", .WP = -1},
    /* 21 */ {.caption = "Lady's Man", .ST = -2, .DX = -1, .BE = 6, .CH = -3, .skills = all_combat(-0.25)},
    /* 22 */ {.caption = "Professional Knife Tosser", .PE = -1, .skills = {.throwing = 0.25}},
    /* 23 */ {.caption = "Raised by Elves", .skills = all_tech(-0.25)},
    /* 24 */ {.caption = "Raised by Monks", .PE = 1},
    /* 25 */ {.caption = "Raised by Orcs", .ST = 2, .PE = 2, .CH = -6, .skills = all_combat(0.25)},
    /* 26 */ {.caption = "Raised in the Pits", .ST = 2, .DX = 2, .IN = -6, .skills = all_combat(0.25)},
    /* 27 */ {.caption = "Raised by Snake Handlers", .BE = -1},
    /* 28 */ {.caption = "Ran Away with the Circus", .ST = 6, .IN = -2, .WP = -3, .PE = -1},
    /* 29 */ {.caption = "Rare Half-Ogre Birth", .ST = -1, .CN = -1, .IN = 2},
    /* 30 */ {.caption = "Sent to Charm School", .ST = -1, .BE = 1, .IN = -1, .CH = 1},
    /* 31 */ {.caption = "Sheltered Childhood", .ST = -6, .IN = 2, .WP = 2, .PE = 1},
    /* 32 */ {.caption = "Sickly", .ST = -2, .DX = -1, .CN = -4, .IN = 6},
    /* 33 */ {.caption = "Special Person", .IN = -2},
    /* 34 */ {.caption = "Suppressed Orcish Looks", .BE = 1, .CH = -1},
    /* 35 */ {.caption = "Tough Hide", .BE = -1},
    /* 36 */ {.caption = "Troll Offspring", .ST = 2, .DX = 1, .CN = 2, .BE = -4, .CH = -4},
    /* 37 */ {.caption = "Wild half-ogre", .WP = 1, .CH = -1},
}};

// Adds a modifier to the value that the box shows; an empty cell leaves the box alone.
void add_modifier(TextBox& box, double modifier)
{
    if (modifier != 0) box.set_value(box.value() + modifier);
}

}  // namespace

void Form1::backgroundselection()
{
    checkbackgroundrestriction();
    if (backgroundallowed == flag_false) return;

    const int background = Background_Selection.list_index();
    if (background >= 0 && background < static_cast<int>(background_modifier_table.size())) {
        const BackgroundRow& row = background_modifier_table[static_cast<std::size_t>(background)];
        Current_background.caption = std::string(row.caption);
        add_modifier(Adjstrength, row.ST);
        add_modifier(Adjdexterity, row.DX);
        add_modifier(Adjconstitution, row.CN);
        add_modifier(Adjbeauty, row.BE);
        add_modifier(Adjintelligence, row.IN);
        add_modifier(Adjwillpower, row.WP);
        add_modifier(Adjperception, row.PE);
        add_modifier(Adjcharisma, row.CH);
        for (const auto& [box, modifier] : skill_boxes(*this, row.skills)) add_modifier(*box, modifier);
    }

    // Colour first, then raise anything below 1 to 1: such a box stays red.
    for (TextBox* adjusted : adjusted_boxes(*this)) colour_adjusted(*adjusted);
    for (TextBox* adjusted : adjusted_boxes(*this))
        if (adjusted->value() < 1) adjusted->set_value(1);

    Speeddisplay();
    Armoradj();
    damageadj();
    Carryweight.set_value(Adjstrength.value() * 500);
}

void Form1::Background_Selection_DblClick()
{
    // Every background lands on a fresh sheet of the highlighted race.
    RaceSelection();
    backgroundselection();
    hpsandfatadj();
}

}  // namespace tessmar
