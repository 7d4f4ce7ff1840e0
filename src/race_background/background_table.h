// The background table: each background's list entry, the caption it shows
// once applied, its modifiers to the Adjusted attributes and the skills, and
// its description, by background index (the order of the background list).
// It is known at compile time, so that other tables can name a background by
// its entry.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "platform/exact_rows.h"
#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"

namespace tessmar {

inline constexpr std::size_t background_count = 38;

struct BackgroundRow {
    std::string_view entry;    // as Background_Selection lists it
    std::string_view caption;  // as Current_background shows it; five differ from their entries
    AttributeValues modifiers = {};  // added to the Adjusted boxes; 0 leaves a box alone
    SkillValues skills = {};         // added to the skill boxes; 0 leaves a box alone
    std::string_view description;
};

// In the order of the background list.
inline constexpr auto background_table = exact_rows<background_count, BackgroundRow>({
    {.entry = "No Background",
     .caption = "None",
     .description =
         "No significant background"},
    {.entry = "Apprentice to a Shopkeeper",
     .caption = "apprentice to a shopkeeper",
     .modifiers = {.DX = -1},
     .skills = {.haggle = 0.25},
     .description =
         "You spent your childhood helping in a shop, which taught you to "
         "bargain. A Haggle bonus, Dexterity penalty."},
    {.entry = "Army Training",
     .caption = "army training",
     .modifiers = {.ST = 1, .DX = -1},
     .skills = {.bow = 0.25, .melee = 0.25},
     .description =
         "You joined the army young and trained as a soldier till a doctor found "
         "your flat feet and you were discharged. The drilling built your "
         "Strength and your skill with Melee and Bow, but cost you Dexterity."},
    {.entry = "Beat with an Ugly Stick",
     .caption = "Beat with an Ugly Stick",
     .modifiers = {.ST = 2, .DX = 2, .BE = -6},
     .skills = all_combat(0.25),
     .description =
         "You were born so ugly that people turn aside when you pass and mothers "
         "pull their children out of your path. No one wants to be seen with you, "
         "and your Beauty suffers an extreme penalty. Being shunned and mocked "
         "has led to a great many fights, though, and you have had to win most of "
         "them. All that brawling has given you bonuses to Strength and "
         "Dexterity, and a bonus to every combat skill. Few laugh at you twice."},
    {.entry = "Bookworm",
     .caption = "Bookworm",
     .modifiers = {.IN = 1, .PE = -1},
     .description =
         "You have spent your life with your nose in books, earning an "
         "Intelligence bonus. It left you short-sighted, which cost you a point "
         "of Perception."},
    {.entry = "Born Under a Sign",
     .caption = "Born Under a Sign",
     .description =
         "You were born during a rare astronomical event. Because of this, you "
         "score critical hits and critical misses less often, but they are "
         "spectacular."},
    {.entry = "Bully",
     .caption = "Bully",
     .modifiers = {.ST = 1, .IN = -1},
     .description =
         "You were the class bully, the one every child dreaded in the "
         "schoolyard. Pushing others around made you strong, giving a Strength "
         "bonus, but you seldom paid heed to lessons: Intelligence deficiency."},
    {.entry = "Charlatan's Protege",
     .caption = "Charlatan's Protege",
     .modifiers = {.ST = -2, .CN = -2, .CH = 6},
     .skills = all_combat(-0.25),
     .description =
         "You were sent to a military academy, but left it to follow a travelling "
         "salesman who taught you how to charm a crowd and sell anything. You "
         "gain a major Charisma bonus, but lose Strength and Constitution from a "
         "life on the road, and all of your combat skills suffer a penalty."},
    {.entry = "Child of a Hero",
     .caption = "Child of a Hero",
     .description =
         "Your father was a famous hero. You start with his magick sword and a "
         "share of his good name, but people expect a great deal of you: any evil "
         "act will draw a strong negative reaction."},
    {.entry = "Clanless Dwarf",
     .caption = "Clanless Dwarf",
     .skills = all_tech(-0.5),
     .description =
         "Your parents belonged to no dwarven clan, so you were never taught the "
         "clan crafts and lose the dwarven bonus to tech skills. You do start "
         "with a fine dwarven war hammer."},
    {.entry = "Debutante",
     .caption = "Debutante",
     .modifiers = {.ST = -1, .DX = -1, .BE = 3, .CH = 3},
     .skills = all_combat(-0.5),
     .description =
         "You were born into one of the most influential families in all of "
         "Tessmar and raised for a life of society balls. You gain bonuses to "
         "Beauty and Charisma, but a pampered upbringing leaves you with "
         "penalties to Strength, Dexterity and all your combat skills."},
    {.entry = "Disenfranchised Gnome",
     .caption = "Disenfranchised Gnome",
     .modifiers = {.ST = 1},
     .skills = {.haggle = -0.5},
     .description =
         "You are a gnome born outside the merchant class that rules gnomish "
         "society, and you toil as a day labourer. Large Haggle penalty, but hard "
         "work grants a Strength bonus."},
    {.entry = "Elvish Blood",
     .caption = "Elvish Blood",
     .modifiers = {.DX = 1},
     .skills = all_tech(-0.5),
     .description =
         "One of your father's distant forebears was an elf, and that blood still "
         "shows. You gain a Dexterity bonus and more magickal aptitude, but you "
         "have a penalty to every tech skill."},
    {.entry = "Extreme Personality",
     .caption = "Extreme Personality",
     .description =
         "There is something about you that nobody can ignore. People react "
         "strongly to you, and they either love you or they hate you."},
    {.entry = "Factory Escapee",
     .caption = "Factory Escapee",
     .modifiers = {.ST = 1},
     .description =
         "You were a slave in a factory until you escaped. You have little money, "
         "but hard labour gave a Strength bonus."},
    {.entry = "Feral Child",
     .caption = "Feral Child",
     .modifiers = {.DX = 3, .IN = -6},
     .skills = {.pickpocket = 0.25, .prowling = 0.25, .haggle = -0.25, .persuasion = -0.25},
     .description =
         "As an infant you were abandoned in a forest and raised by a pack of "
         "wolves, and you came among people only years later. Life in the wild "
         "has given you a large Dexterity bonus and better Prowling and "
         "Pickpocket skills. Growing up without speech or schooling gives a "
         "severe Intelligence penalty, and your Persuasion and Haggle skills are "
         "lower than usual. You also have no idea what coins are worth, so you "
         "start with half the normal starting wealth."},
    {.entry = "Foppish Elf",
     .caption = "Foppish Elf",
     .modifiers = {.DX = -1},
     .skills = {.persuasion = 0.5},
     .description =
         "Raised in a city, not a forest, you lose the elven Dexterity bonus but "
         "gain a large Persuasion bonus."},
    {.entry = "Freed Bodyguard",
     .caption = "Freed Bodyguard",
     .modifiers = {.IN = -1},
     .description =
         "You served a gnome master as his bodyguard for many years. When he "
         "died, his will set you free and left you a small sum of money. Too many "
         "blows to the head have now left you with an Intelligence penalty."},
    {.entry = "Halfling Orphan",
     .caption = "Halfling Orphan",
     .modifiers = {.IN = -1},
     .skills = {.pickpocket = 0.5},
     .description =
         "You grew up alone in the city streets, stealing to live and never going "
         "to school. You have a large Pickpocket bonus, but the lack of schooling "
         "costs a point of Intelligence."},
    {.entry = "Hyperactive",
     .caption = "Hyperactive",
     .modifiers = {.DX = 1, .CH = -1},
     .description =
         "You are always busy and cannot sit still. Your Dexterity is above "
         "normal, but your Charisma suffers from all your fidgeting."},
    {.entry = "Inheritance",
     .caption = "Inheritance",
     .modifiers = {.WP = -1},
     .description =
         "Your parents died when you were young and left you a fortune. Growing "
         "up with everything bought for you, you never had to fight for anything: "
         "Willpower penalty. You start with twice the normal starting wealth."},
    {.entry = "Lady 's Man",
     .caption = "Lady's Man",
     .modifiers = {.ST = -2, .DX = -1, .BE = 6, .CH = -3},
     .skills = all_combat(-0.25),
     .description =
         "You are unusually good-looking and have always known it, giving a large "
         "Beauty bonus. Vanity makes you poor company, so you lose Charisma, and "
         "since you shun any hard work that might spoil your looks, you lose "
         "Strength and Dexterity."},
    {.entry = "Professional Knife Tosser",
     .caption = "Professional Knife Tosser",
     .modifiers = {.PE = -1},
     .skills = {.throwing = 0.25},
     .description =
         "You threw knives in a travelling circus until a bad throw by your "
         "partner cost you an eye. You lose a point of Perception, but years of "
         "practice give you a bonus to Throwing."},
    {.entry = "Raised by Elves",
     .caption = "Raised by Elves",
     .skills = all_tech(-0.25),
     .description =
         "Elves raised you, giving you a suit of magickal elven chain mail. All "
         "your tech skills take a penalty."},
    {.entry = "Raised by Monks",
     .caption = "Raised by Monks",
     .modifiers = {.PE = 1},
     .description =
         "You were raised by monks in a remote monastery and learned their piety. "
         "Meditation gives you a Perception bonus, but you start with a quarter "
         "of the normal starting wealth."},
    {.entry = "Raised by Orcs",
     .caption = "Raised by Orcs",
     .modifiers = {.ST = 2, .PE = 2, .CH = -6},
     .skills = all_combat(0.25),
     .description =
         "You were an orphan who ran away from the orphanage and was taken in by "
         "a family of orcs. Growing up among them has made you strong and "
         "watchful, with bonuses to Strength, Perception and all combat skills. "
         "However, you also picked up orcish manners and habits that most "
         "civilized folk find deeply revolting, which earns you a severe Charisma "
         "penalty."},
    {.entry = "Raised in the Pits",
     .caption = "Raised in the Pits",
     .modifiers = {.ST = 2, .DX = 2, .IN = -6},
     .skills = all_combat(0.25),
     .description =
         "You spent years fighting in the pits for the entertainment of paying "
         "crowds. As a veteran you have bonuses to Strength, Dexterity and all "
         "combat skills, but many blows to your head give a severe Intelligence "
         "penalty."},
    {.entry = "Raised by Snake Handlers",
     .caption = "Raised by Snake Handlers",
     .modifiers = {.BE = -1},
     .description =
         "You grew up among snake handlers and were bitten so often that you have "
         "20% more poison resistance. The scars of those bites give a penalty to "
         "Beauty."},
    {.entry = "Ran Away with the Circus",
     .caption = "Ran Away with the Circus",
     .modifiers = {.ST = 6, .IN = -2, .WP = -3, .PE = -1},
     .description =
         "You ran off from home to join a troupe of circus performers, lifting "
         "weights as the strongman. You have considerable Strength, but all the "
         "schooling you missed leaves Intelligence, Willpower and Perception "
         "deficiencies."},
    {.entry = "Rare Half-Ogre Birth",
     .caption = "Rare Half-Ogre Birth",
     .modifiers = {.ST = -1, .CN = -1, .IN = 2},
     .description =
         "Your mother was human, and unlike most half-ogres you were raised in a "
         "city, where you went to school. You have a considerable Intelligence "
         "bonus, but the soft life of the city means you lose Strength and "
         "Constitution compared to other half-ogres."},
    {.entry = "Sent to Charm School",
     .caption = "Sent to Charm School",
     .modifiers = {.ST = -1, .BE = 1, .IN = -1, .CH = 1},
     .description =
         "Your parents sent you to charm school instead of giving you a general "
         "schooling. You gain Beauty and Charisma bonuses, but you lose some "
         "Intelligence and Strength."},
    {.entry = "Sheltered Childhood",
     .caption = "Sheltered Childhood",
     .modifiers = {.ST = -6, .IN = 2, .WP = 2, .PE = 1},
     .description =
         "Your parents were overprotective and kept you indoors, away from every "
         "danger and every hard task. You have a severe Strength penalty, but all "
         "those quiet hours give you Intelligence, Willpower and Perception "
         "bonuses."},
    {.entry = "Sickly",
     .caption = "Sickly",
     .modifiers = {.ST = -2, .CN = -4, .DX = -1, .IN = 6},
     .description =
         "You were born with a very weak immune system and spent most of your "
         "childhood sick in bed, catching every illness that went by. You have "
         "penalties to Strength, Constitution and Dexterity, but long hours with "
         "books and puzzles have given you an unusually high Intelligence."},
    {.entry = "Special Person",
     .caption = "Special Person",
     .modifiers = {.IN = -2},
     .description =
         "You were born with congenital brain damage and so lack Intelligence, "
         "but people praise your good acts all the more."},
    {.entry = "Suppressed Orcish Looks",
     .caption = "Suppressed Orcish Looks",
     .modifiers = {.BE = 1, .CH = -1},
     .description =
         "You do not look very much like an orc, which gives you a Beauty bonus, "
         "but you have a surly manner that earns a slight Charisma penalty."},
    {.entry = "Tough Hide",
     .caption = "Tough Hide",
     .modifiers = {.BE = -1},
     .description =
         "Your skin is unusually thick and leathery, so you resist damage better "
         "than other people do, but its rough look gives you a Beauty penalty."},
    {.entry = "Troll Offspring",
     .caption = "Troll Offspring",
     .modifiers = {.ST = 2, .CN = 2, .DX = 1, .BE = -4, .CH = -4},
     .description =
         "One of your ancestors was a troll, and it shows in your looks and "
         "manners, giving severe penalties to Beauty and Charisma. Monster "
         "hunters and holy men often mistake you for a real troll and come after "
         "you with both steel and prayer. Troll blood also makes you strong and "
         "tough, so you gain bonuses to Strength, Constitution and Dexterity."},
    {.entry = "Wild half - ogre",
     .caption = "Wild half-ogre",
     .modifiers = {.WP = 1, .CH = -1},
     .description =
         "Your mother was an ogre and you grew up in her clan, only lately coming "
         "to live among townsfolk. The harsh life of the clan gave a Willpower "
         "bonus, but your wild ways still give a slight Charisma penalty."},
});

// The index of the background whose list entry is that text; a text that is no
// entry fails to compile.
consteval std::size_t background_index(std::string_view entry)
{
    for (std::size_t i = 0; i < background_count; ++i)
        if (background_table[i].entry == entry) return i;
    throw "no background with that list entry";
}

static_assert(distinct(background_table, &BackgroundRow::entry), "an entry names one background");

}  // namespace tessmar
