// The race table: each race/gender's values, barred backgrounds and description.
#include "race_background/race_table.h"

#include <string_view>

#include "platform/exact_rows.h"

namespace tessmar {

namespace {

// One text per race; the two genders of a race share the same text.
constexpr std::string_view dwarf_text =
    "Dwarves - Strength and Constitution +1, 15% toward technological "
    "aptitude and two ranks in every tech skill; Charisma and Dexterity -1, "
    "and spells cost twice as much to cast. Dwarves are short, broad and "
    "heavy-boned, built like the stone halls they carve deep beneath the old "
    "mountains. They are very slow to anger and slower to forgive, and a "
    "grudge can pass from father to son for generations. A dwarf measures "
    "worth by craft and by the keeping of oaths, so their smiths and "
    "engineers are prized across the land. Their first loyalty is to the "
    "clan, then to their kin, and only after that to any king or guild of "
    "the surface world. ";

constexpr std::string_view elf_text =
    "Elves - Dexterity, Willpower and Beauty +1 and 15% toward magickal "
    "aptitude; Constitution -2, Strength -1 and two ranks off every tech "
    "skill. Elves are tall and slender, with fine features, pointed ears and "
    "eyes that seem to hold old light. Of all the peoples of Tessmar they "
    "are the most thoughtful, weighing each word and deed with long "
    "patience. Most dwell in the deepest forests, in towns built among and "
    "within the living trees. They look down on the younger races with quiet "
    "pride, and on dwarves most of all. ";

constexpr std::string_view gnome_text =
    "Gnomes - Willpower +2, two ranks of Haggle and +10 to any bad reaction; "
    "Constitution -2. Gnomes are small and round-faced, with large noses, "
    "sharp eyes and beards of which the men are very proud. They are born "
    "merchants: a gnome family will own a shop, a caravan or a trading "
    "house, and many of the great banks and counting houses of the cities "
    "are in gnomish hands. They prize a good bargain above almost anything "
    "and can talk a cold customer into a warm sale. Gnomes have no special "
    "leaning toward magick or toward technology; they will sell the products "
    "of either with equal good cheer, provided the price is right. ";

constexpr std::string_view half_elf_text =
    "Half-Elves - Dexterity and Beauty +1 and 5% toward magickal aptitude; "
    "Constitution -1 and one rank off every tech skill. Born of one human "
    "and one elven parent, half-elves carry something of both in their "
    "faces: a little taller and finer than most humans, yet sturdier and "
    "rounder of feature than their elven kin. Their character is mixed as "
    "well, with human restlessness tempered by a measure of elven patience. "
    "Because they belong wholly to neither people, they learn early to get "
    "along with everyone, and they are welcome in human cities and in elven "
    "woods alike. Few folk of any race bear them ill will. ";

constexpr std::string_view halfling_text =
    "Halflings - Dexterity +2, two ranks of Prowling, one rank of Dodge and "
    "+5% critical hit chance; Strength -3. Halflings are the smallest of the "
    "common races, seldom reaching much past the waist of a grown human. "
    "They love food above all other things, and a halfling household will "
    "happily sit down to six meals a day when the larder allows it. They go "
    "barefoot in all seasons on soles as tough as leather, and they move so "
    "quietly that a room may fill with them before anyone notices. Other "
    "races often call them lazy, and it is true that a halfling would rather "
    "nap in the sun than work in it, but those who have seen one in a tight "
    "spot know how quick and clever they can be. ";

constexpr std::string_view half_ogre_text =
    "Half-Ogres - Strength +4 and 10% more damage resistance; Beauty -1, "
    "Intelligence -4 and two ranks off Prowling. Half-ogres tower over every "
    "other common race, often standing well over eight feet tall and "
    "weighing as much as three grown human men. Their sheer bulk means that "
    "most armour cannot be made to fit them, and some technological items "
    "are simply too small or too delicate for their enormous hands. Despite "
    "their fearsome size, most half-ogres are gentle, kindly and slow to "
    "anger. They are fiercely protective of friends and of anyone weaker who "
    "earns their trust, and woe to the bully who harms someone under a "
    "half-ogre's care. ";

constexpr std::string_view half_orc_text =
    "Half-Orcs - Constitution and Strength +1, two ranks each of Melee and "
    "Dodge and 10% more poison resistance; Beauty -2 and Charisma -2. "
    "Half-orcs are born of the union of a human and an orc, and only rarely "
    "is such a union a willing one. The child usually grows up in the orc "
    "camps or on the fringes of a human town, and is not truly at home in "
    "either. Neither side lets the child forget it. Their heavy brows, "
    "grey-green skin and jutting lower teeth mark them at a glance, and many "
    "humans meet them with open contempt, barring doors and hiding valuables "
    "as soon as one walks into town. Years of such treatment leave most "
    "half-orcs with a short temper and a deep distrust of strangers. Yet "
    "those who win a half-orc's respect find a companion of rare toughness "
    "and loyalty, one who will stand firm when everyone else has fled. ";

constexpr std::string_view human_text =
    "Humans - No special modifiers. Humans are the most numerous race in the "
    "land, and their farms, towns and cities can be found in nearly every "
    "region, from the cold northern coasts to the southern deserts. Their "
    "short lives make them restless and ambitious, and they spread wherever "
    "there is land to till or trade to be made. More than any other people "
    "they mix with other races, living and working beside dwarves, gnomes "
    "and elves, and sometimes marrying among them. It is humans, too, who "
    "lead the way in technology: their factories, railways and busy "
    "workshops are changing the world faster than any elder race thought "
    "possible. ";


}  // namespace

// By race index. The entries go into the sorted race list in this order, which
// is also its sorted order.
constexpr std::array<RaceRow, race_count> race_table = exact_rows<race_count, RaceRow>({
    {.entry = "Dwarf/male", .caption = "Dwarf", .hitpoints = 32, .fatigue = 32,
     .adjusted = {.ST = 9, .CN = 9, .DX = 7, .BE = 8, .IN = 8, .WP = 8, .PE = 8, .CH = 7},
     .skills = all_tech(0.5),
     .raceaptitude = -15,
     .barred_backgrounds = barred({"Army Training", "Disenfranchised Gnome", "Elvish Blood", "Factory Escapee",
                                   "Foppish Elf", "Freed Bodyguard", "Halfling Orphan", "Rare Half-Ogre Birth",
                                   "Sent to Charm School", "Suppressed Orcish Looks", "Tough Hide",
                                   "Wild half - ogre"}),
     .description = dwarf_text},
    {.entry = "Elf/female", .caption = "Elf/female", .hitpoints = 27, .fatigue = 29,
     .adjusted = {.ST = 6, .CN = 7, .DX = 9, .BE = 9, .IN = 8, .WP = 9, .PE = 8, .CH = 8},
     .skills = all_tech(-0.5),
     .raceaptitude = 15,
     .barred_backgrounds = barred({"Army Training", "Clanless Dwarf", "Debutante", "Disenfranchised Gnome",
                                   "Elvish Blood", "Factory Escapee", "Freed Bodyguard", "Halfling Orphan",
                                   "Lady 's Man", "Raised by Elves", "Rare Half-Ogre Birth", "Sent to Charm School",
                                   "Suppressed Orcish Looks", "Tough Hide", "Wild half - ogre"}),
     .description = elf_text},
    {.entry = "Elf/male", .caption = "Elf/male", .hitpoints = 29, .fatigue = 27,
     .adjusted = {.ST = 7, .CN = 6, .DX = 9, .BE = 9, .IN = 8, .WP = 9, .PE = 8, .CH = 8},
     .skills = all_tech(-0.5),
     .raceaptitude = 15,
     .barred_backgrounds = barred({"Army Training", "Clanless Dwarf", "Debutante", "Disenfranchised Gnome",
                                   "Elvish Blood", "Factory Escapee", "Freed Bodyguard", "Halfling Orphan",
                                   "Raised by Elves", "Rare Half-Ogre Birth", "Sent to Charm School",
                                   "Suppressed Orcish Looks", "Tough Hide", "Wild half - ogre"}),
     .description = elf_text},
    {.entry = "Gnome/male", .caption = "Gnome", .hitpoints = 32, .fatigue = 28,
     .adjusted = {.ST = 8, .CN = 6, .DX = 8, .BE = 8, .IN = 8, .WP = 10, .PE = 8, .CH = 8},
     .skills = {.haggle = 0.5},
     .raceaptitude = 0,
     .barred_backgrounds = barred({"Army Training", "Clanless Dwarf", "Debutante", "Factory Escapee", "Foppish Elf",
                                   "Freed Bodyguard", "Halfling Orphan", "Raised by Elves", "Rare Half-Ogre Birth",
                                   "Sent to Charm School", "Suppressed Orcish Looks", "Tough Hide",
                                   "Wild half - ogre"}),
     .description = gnome_text},
    {.entry = "Half-Elf/female", .caption = "Half-Elf/female", .hitpoints = 28, .fatigue = 30,
     .adjusted = {.ST = 7, .CN = 8, .DX = 9, .BE = 9, .IN = 8, .WP = 8, .PE = 8, .CH = 8},
     .skills = all_tech(-0.25),
     .raceaptitude = 5,
     .barred_backgrounds = barred({"Army Training", "Clanless Dwarf", "Disenfranchised Gnome", "Elvish Blood",
                                   "Factory Escapee", "Foppish Elf", "Freed Bodyguard", "Halfling Orphan",
                                   "Lady 's Man", "Raised by Elves", "Rare Half-Ogre Birth", "Sent to Charm School",
                                   "Suppressed Orcish Looks", "Tough Hide", "Wild half - ogre"}),
     .description = half_elf_text},
    {.entry = "Half-Elf/male", .caption = "Half-Elf/male", .hitpoints = 30, .fatigue = 28,
     .adjusted = {.ST = 8, .CN = 7, .DX = 9, .BE = 9, .IN = 8, .WP = 8, .PE = 8, .CH = 8},
     .skills = all_tech(-0.25),
     .raceaptitude = 5,
     .barred_backgrounds = barred({"Army Training", "Clanless Dwarf", "Debutante", "Disenfranchised Gnome",
                                   "Elvish Blood", "Factory Escapee", "Foppish Elf", "Freed Bodyguard",
                                   "Halfling Orphan", "Raised by Elves", "Rare Half-Ogre Birth", "Sent to Charm School",
                                   "Suppressed Orcish Looks", "Tough Hide", "Wild half - ogre"}),
     .description = half_elf_text},
    {.entry = "Halfling/male", .caption = "Halfling", .hitpoints = 24, .fatigue = 30,
     .adjusted = {.ST = 5, .CN = 8, .DX = 10, .BE = 8, .IN = 8, .WP = 8, .PE = 8, .CH = 8},
     .skills = {.dodge = 0.25, .prowling = 0.5},
     .raceaptitude = 0,
     .barred_backgrounds = barred({"Army Training", "Clanless Dwarf", "Debutante", "Disenfranchised Gnome",
                                   "Factory Escapee", "Foppish Elf", "Freed Bodyguard", "Raised by Elves",
                                   "Rare Half-Ogre Birth", "Sent to Charm School", "Suppressed Orcish Looks",
                                   "Tough Hide", "Wild half - ogre"}),
     .description = halfling_text},
    {.entry = "Half-Ogre/male", .caption = "Half-Ogre", .hitpoints = 38, .fatigue = 30,
     .adjusted = {.ST = 12, .CN = 8, .DX = 8, .BE = 7, .IN = 4, .WP = 8, .PE = 8, .CH = 8},
     .skills = {.prowling = -0.5},
     .raceaptitude = 0,
     .barred_backgrounds = barred({"Army Training", "Bookworm", "Bully", "Charlatan's Protege", "Clanless Dwarf",
                                   "Debutante", "Disenfranchised Gnome", "Factory Escapee", "Foppish Elf",
                                   "Halfling Orphan", "Raised by Elves", "Sent to Charm School",
                                   "Suppressed Orcish Looks"}),
     .description = half_ogre_text},
    {.entry = "Half-Orc/female", .caption = "Half-Orc/female", .hitpoints = 30, .fatigue = 34,
     .adjusted = {.ST = 8, .CN = 10, .DX = 8, .BE = 6, .IN = 8, .WP = 8, .PE = 8, .CH = 6},
     .skills = {.dodge = 0.5, .melee = 0.5},
     .raceaptitude = 0,
     .barred_backgrounds = barred({"Army Training", "Bookworm", "Bully", "Charlatan's Protege", "Clanless Dwarf",
                                   "Disenfranchised Gnome", "Elvish Blood", "Foppish Elf", "Freed Bodyguard",
                                   "Halfling Orphan", "Lady 's Man", "Raised by Elves", "Rare Half-Ogre Birth",
                                   "Sent to Charm School", "Wild half - ogre"}),
     .description = half_orc_text},
    {.entry = "Half-Orc/male", .caption = "Half-Orc/male", .hitpoints = 32, .fatigue = 32,
     .adjusted = {.ST = 9, .CN = 9, .DX = 8, .BE = 6, .IN = 8, .WP = 8, .PE = 8, .CH = 6},
     .skills = {.dodge = 0.5, .melee = 0.5},
     .raceaptitude = 0,
     .barred_backgrounds = barred({"Army Training", "Bookworm", "Bully", "Charlatan's Protege", "Clanless Dwarf",
                                   "Debutante", "Disenfranchised Gnome", "Elvish Blood", "Foppish Elf",
                                   "Freed Bodyguard", "Halfling Orphan", "Raised by Elves", "Rare Half-Ogre Birth",
                                   "Sent to Charm School", "Wild half - ogre"}),
     .description = half_orc_text},
    {.entry = "Human/female", .caption = "Human/female", .hitpoints = 28, .fatigue = 32,
     .adjusted = {.ST = 7, .CN = 9, .DX = 8, .BE = 8, .IN = 8, .WP = 8, .PE = 8, .CH = 8},
     .raceaptitude = 0,
     .barred_backgrounds = barred({"Clanless Dwarf", "Disenfranchised Gnome", "Factory Escapee", "Foppish Elf",
                                   "Freed Bodyguard", "Halfling Orphan", "Lady 's Man", "Rare Half-Ogre Birth",
                                   "Suppressed Orcish Looks", "Tough Hide", "Wild half - ogre"}),
     .description = human_text},
    {.entry = "Human/male", .caption = "Human/male", .hitpoints = 30, .fatigue = 30,
     .adjusted = {.ST = 8, .CN = 8, .DX = 8, .BE = 8, .IN = 8, .WP = 8, .PE = 8, .CH = 8},
     .raceaptitude = 0,
     .barred_backgrounds = barred({"Clanless Dwarf", "Debutante", "Disenfranchised Gnome", "Factory Escapee",
                                   "Foppish Elf", "Freed Bodyguard", "Halfling Orphan", "Rare Half-Ogre Birth",
                                   "Sent to Charm School", "Suppressed Orcish Looks", "Tough Hide",
                                   "Wild half - ogre"}),
     .description = human_text},
});

static_assert(distinct(race_table, &RaceRow::caption), "a caption names one race");

int race_index(std::string_view entry)
{
    for (std::size_t race = 0; race < race_count; ++race)
        if (race_table[race].entry == entry) return static_cast<int>(race);
    return -1;
}

}  // namespace tessmar
