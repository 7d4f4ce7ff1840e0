// The race and background descriptions shown in the description box.
#include "race_background/description_tables.h"

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

const std::array<std::string_view, 12> race_description_table = {
    dwarf_text,      //  0 Dwarf/male
    elf_text,        //  1 Elf/female
    elf_text,        //  2 Elf/male
    gnome_text,      //  3 Gnome/male
    half_elf_text,   //  4 Half-Elf/female
    half_elf_text,   //  5 Half-Elf/male
    halfling_text,   //  6 Halfling/male
    half_ogre_text,  //  7 Half-Ogre/male
    half_orc_text,   //  8 Half-Orc/female
    half_orc_text,   //  9 Half-Orc/male
    human_text,      // 10 Human/female
    human_text,      // 11 Human/male
};

const std::array<std::string_view, 38> background_description_table = {
    // 0 No Background
    "No significant background",
    // 1 Apprentice to a Shopkeeper
    "You spent your childhood helping in a shop, which taught you to "
    "bargain. A Haggle bonus, Dexterity penalty.",
    // 2 Army Training
    "You joined the army young and trained as a soldier till a doctor found "
    "your flat feet and you were discharged. The drilling built your "
    "Strength and your skill with Melee and Bow, but cost you Dexterity.",
    // 3 Beat with an Ugly Stick
    "You were born so ugly that people turn aside when you pass and mothers "
    "pull their children out of your path. No one wants to be seen with you, "
    "and your Beauty suffers an extreme penalty. Being shunned and mocked "
    "has led to a great many fights, though, and you have had to win most of "
    "them. All that brawling has given you bonuses to Strength and "
    "Dexterity, and a bonus to every combat skill. Few laugh at you twice.",
    // 4 Bookworm
    "You have spent your life with your nose in books, earning an "
    "Intelligence bonus. It left you short-sighted, which cost you a point "
    "of Perception.",
    // 5 Born Under a Sign
    "You were born during a rare astronomical event. Because of this, you "
    "score critical hits and critical misses less often, but they are "
    "spectacular.",
    // 6 Bully
    "You were the class bully, the one every child dreaded in the "
    "schoolyard. Pushing others around made you strong, giving a Strength "
    "bonus, but you seldom paid heed to lessons: Intelligence deficiency.",
    // 7 Charlatan's Protege
    "You were sent to a military academy, but left it to follow a travelling "
    "salesman who taught you how to charm a crowd and sell anything. You "
    "gain a major Charisma bonus, but lose Strength and Constitution from a "
    "life on the road, and all of your combat skills suffer a penalty.",
    // 8 Child of a Hero
    "Your father was a famous hero. You start with his magick sword and a "
    "share of his good name, but people expect a great deal of you: any evil "
    "act will draw a strong negative reaction.",
    // 9 Clanless Dwarf
    "Your parents belonged to no dwarven clan, so you were never taught the "
    "clan crafts and lose the dwarven bonus to tech skills. You do start "
    "with a fine dwarven war hammer.",
    // 10 Debutante
    "You were born into one of the most influential families in all of "
    "Tessmar and raised for a life of society balls. You gain bonuses to "
    "Beauty and Charisma, but a pampered upbringing leaves you with "
    "penalties to Strength, Dexterity and all your combat skills.",
    // 11 Disenfranchised Gnome
    "You are a gnome born outside the merchant class that rules gnomish "
    "society, and you toil as a day labourer. Large Haggle penalty, but hard "
    "work grants a Strength bonus.",
    // 12 Elvish Blood
    "One of your father's distant forebears was an elf, and that blood still "
    "shows. You gain a Dexterity bonus and more magickal aptitude, but you "
    "have a penalty to every tech skill.",
    // 13 Extreme Personality
    "There is something about you that nobody can ignore. People react "
    "strongly to you, and they either love you or they hate you.",
    // 14 Factory Escapee
    "You were a slave in a factory until you escaped. You have little money, "
    "but hard labour gave a Strength bonus.",
    // 15 Feral Child
    "As an infant you were abandoned in a forest and raised by a pack of "
    "wolves, and you came among people only years later. Life in the wild "
    "has given you a large Dexterity bonus and better Prowling and "
    "Pickpocket skills. Growing up without speech or schooling gives a "
    "severe Intelligence penalty, and your Persuasion and Haggle skills are "
    "lower than usual. You also have no idea what coins are worth, so you "
    "start with half the normal starting wealth.",
    // 16 Foppish Elf
    "Raised in a city, not a forest, you lose the elven Dexterity bonus but "
    "gain a large Persuasion bonus.",
    // 17 Freed Bodyguard
    "You served a gnome master as his bodyguard for many years. When he "
    "died, his will set you free and left you a small sum of money. Too many "
    "blows to the head have now left you with an Intelligence penalty.",
    // 18 Halfling Orphan
    "You grew up alone in the city streets, stealing to live and never going "
    "to school. You have a large Pickpocket bonus, but the lack of schooling "
    "costs a point of Intelligence.",
    // 19 Hyperactive
    "You are always busy and cannot sit still. Your Dexterity is above "
    "normal, but your Charisma suffers from all your fidgeting.",
    // 20 Inheritance
    "Your parents died when you were young and left you a fortune. Growing "
    "up with everything bought for you, you never had to fight for anything: "
    "Willpower penalty. You start with twice the normal starting wealth.",
    // 21 Lady 's Man
    "You are unusually good-looking and have always known it, giving a large "
    "Beauty bonus. Vanity makes you poor company, so you lose Charisma, and "
    "since you shun any hard work that might spoil your looks, you lose "
    "Strength and Dexterity.",
    // 22 Professional Knife Tosser
    "You threw knives in a travelling circus until a bad throw by your "
    "partner cost you an eye. You lose a point of Perception, but years of "
    "practice give you a bonus to Throwing.",
    // 23 Raised by Elves
    "Elves raised you, giving you a suit of magickal elven chain mail. All "
    "your tech skills take a penalty.",
    // 24 Raised by Monks
    "You were raised by monks in a remote monastery and learned their piety. "
    "Meditation gives you a Perception bonus, but you start with a quarter "
    "of the normal starting wealth.",
    // 25 Raised by Orcs
    "You were an orphan who ran away from the orphanage and was taken in by "
    "a family of orcs. Growing up among them has made you strong and "
    "watchful, with bonuses to Strength, Perception and all combat skills. "
    "However, you also picked up orcish manners and habits that most "
    "civilized folk find deeply revolting, which earns you a severe Charisma "
    "penalty.",
    // 26 Raised in the Pits
    "You spent years fighting in the pits for the entertainment of paying "
    "crowds. As a veteran you have bonuses to Strength, Dexterity and all "
    "combat skills, but many blows to your head give a severe Intelligence "
    "penalty.",
    // 27 Raised by Snake Handlers
    "You grew up among snake handlers and were bitten so often that you have "
    "20% more poison resistance. The scars of those bites give a penalty to "
    "Beauty.",
    // 28 Ran Away with the Circus
    "You ran off from home to join a troupe of circus performers, lifting "
    "weights as the strongman. You have considerable Strength, but all the "
    "schooling you missed leaves Intelligence, Willpower and Perception "
    "deficiencies.",
    // 29 Rare Half-Ogre Birth
    "Your mother was human, and unlike most half-ogres you were raised in a "
    "city, where you went to school. You have a considerable Intelligence "
    "bonus, but the soft life of the city means you lose Strength and "
    "Constitution compared to other half-ogres.",
    // 30 Sent to Charm School
    "Your parents sent you to charm school instead of giving you a general "
    "schooling. You gain Beauty and Charisma bonuses, but you lose some "
    "Intelligence and Strength.",
    // 31 Sheltered Childhood
    "Your parents were overprotective and kept you indoors, away from every "
    "danger and every hard task. You have a severe Strength penalty, but all "
    "those quiet hours give you Intelligence, Willpower and Perception "
    "bonuses.",
    // 32 Sickly
    "You were born with a very weak immune system and spent most of your "
    "childhood sick in bed, catching every illness that went by. You have "
    "penalties to Strength, Constitution and Dexterity, but long hours with "
    "books and puzzles have given you an unusually high Intelligence.",
    // 33 Special Person
    "You were born with congenital brain damage and so lack Intelligence, "
    "but people praise your good acts all the more.",
    // 34 Suppressed Orcish Looks
    "You do not look very much like an orc, which gives you a Beauty bonus, "
    "but you have a surly manner that earns a slight Charisma penalty.",
    // 35 Tough Hide
    "Your skin is unusually thick and leathery, so you resist damage better "
    "than other people do, but its rough look gives you a Beauty penalty.",
    // 36 Troll Offspring
    "One of your ancestors was a troll, and it shows in your looks and "
    "manners, giving severe penalties to Beauty and Charisma. Monster "
    "hunters and holy men often mistake you for a real troll and come after "
    "you with both steel and prayer. Troll blood also makes you strong and "
    "tough, so you gain bonuses to Strength, Constitution and Dexterity.",
    // 37 Wild half - ogre
    "Your mother was an ogre and you grew up in her clan, only lately coming "
    "to live among townsfolk. The harsh life of the clan gave a Willpower "
    "bonus, but your wild ways still give a slight Charisma penalty.",
};

}  // namespace tessmar
