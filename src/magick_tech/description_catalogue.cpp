// What each spell and schematic does, as the description box shows it.
#include "magick_tech/description_catalogue.h"

namespace tessmar {

// Text shown in the explanation box when a spell is highlighted.
// Rows follow the college order of the college list, columns the spell rank.
const std::array<std::array<std::string_view, 5>, 16> spell_description_table = {{
    // 0: Conveyance
    {{
        "The target is pushed back several squares.",  // Unseen Force
        "Opens a locked door or chest without a key.",  // Unlocking Cantrip
        "The caster slips through the shadows to a nearby spot.",  // Shadow Shift
        "Space bends around the target, so its steps lead it astray and its attacks fall short.",  // Spatial Distortion
        "The caster and party vanish and reappear at a place they have visited before.",  // Teleport
    }},
    // 1: Divination
    {{
        "Tells whether the target leans to good or evil.",  // Sense Alignment
        "Hidden traps near the caster are shown.",  // Sense Traps
        "Shows the health, fatigue and temper of the target.",  // Read Aura
        "Unseen beings near the caster become visible.",  // Sense Invisible
        "Reveals the magickal properties of a single item that the caster carries.",  // Divine Magick
    }},
    // 2: Air
    {{
        "Increases the Constitution of the target.",  // Vitality of Air
        "A cloud of foul vapour poisons all who breathe it.",  // Poison Vapours
        "A blast of wind knocks down those in its path.",  // Call Wind
        "The caster becomes as light as air and hard to hit.",  // Body of Air
        "An elemental that rules the winds answers the call; it lifts enemies off their feet and flings them hard into walls, trees and other obstacles nearby.",  // Call Air Elemental
    }},
    // 3: Earth
    {{
        "The target gains Strength for a while.",  // Strength of Earth
        "A heavy stone flies at the target and knocks it off balance.",  // Stone Toss
        "A wall of rock rises and blocks the way.",  // Wall of Stone
        "The caster's skin hardens like stone, turning aside blows.",  // Body of Earth
        "A hulking elemental of rock and soil rises to crush the foes of the caster.",  // Call Earth Elemental
    }},
    // 4: Fire
    {{
        "Increases the Dexterity of the target.",  // Agility of Fire
        "A wall of flame burns all who cross it.",  // Wall of Fire
        "A burst of fire scorches everyone close to the target.",  // Fireflash
        "Flames wrap the caster and burn any foe who strikes him.",  // Body of Fire
        "A blazing elemental appears and sets fire to the enemies of the caster.",  // Call Fire Elemental
    }},
    // 5: Water
    {{
        "Increases the Beauty of the target.",  // Purity of Water
        "A thick fog hides the area.",  // Call Fog
        "Shards of ice rain down on an area and chill those caught in it.",  // Squall of Ice
        "The caster flows like water, so weapons pass through with little harm.",  // Body of Water
        "A water elemental comes to fight at close quarters; each of its blows harms both health and fatigue, though it is clearly less brutal than the earth elemental.",  // Call Water Elemental
    }},
    // 6: Force
    {{
        "A shimmering shield turns aside blows.",  // Shield of Protection
        "A small spark of raw force stings the target and breaks its focus.",  // Jolt
        "An unseen wall of force blocks the passage.",  // Wall of Force
        "A bolt of lightning strikes everything in a line.",  // Lightning Bolt
        "The target crumbles to dust.",  // Disintegrate
    }},
    // 7: Mental
    {{
        "The target takes the caster for a friend.",  // Charm
        "The target is dazed and cannot act.",  // Stun
        "If the target fails to save, its Intelligence halves for 1-2 hours.",  // Stupefy
        "Terrible visions fill the mind of the target, which flees in fear.",  // Nightmare
        "The caster takes over the mind of the target, which then fights for the party.",  // Dominate Will
    }},
    // 8: Meta
    {{
        "The target shrugs off hostile spells more often.",  // Resist Magick
        "Ends the spells that are at work on the target.",  // Disperse Magick
        "A shield of pure magick wards the caster from spells.",  // Dweomer Shield
        "Binds the target so that it cannot cast spells.",  // Bonds of Magick
        "Spells aimed at the caster bounce back at the one who cast them.",  // Reflective Shield
    }},
    // 9: Morphing
    {{
        "The hands of the caster turn hard as iron.",  // Hardened Hands
        "The target loses Strength for a while.",  // Weaken
        "The target shrinks to half its size.",  // Shrink
        "The target turns to stone and stays that way until the spell is undone.",  // Flesh to Stone
        "The target becomes a sheep for as long as the caster keeps the spell active.",  // Polymorph
    }},
    // 10: Nature
    {{
        "Plants seize the target and hold it fast.",  // Entangle
        "An animal sees the caster as a friend.",  // Charm Beast
        "An animal obeys the caster.",  // Control Beast
        "Heals the wounds of an animal.",  // Succour Beast
        "The wounds of the target close by themselves, a little at a time.",  // Regenerate
    }},
    // 11: Black Necromantic
    {{
        "Dark power wounds the target.",  // Harm
        "Poisons the target.",  // Poison
        "Raises a spirit of the dead to fight for the caster.",  // Conjure Spirit
        "A corpse rises as an undead servant.",  // Create Undead
        "Drains the life of the target, which may die at once.",  // Quench Life
    }},
    // 12: White Necromantic
    {{
        "Heals a few light wounds.",  // Minor Healing
        "Stops a poison from doing harm.",  // Halt Poison
        "Heals many wounds of the target.",  // Major Healing
        "Heals all wounds of the target.",  // Full Healing
        "A dead companion returns to life, weak but whole.",  // Resurrection
    }},
    // 13: Phantasm
    {{
        "A bright light fills the area.",  // Illuminate
        "A cloak of darkness hides the caster.",  // Enshroud
        "The outline of the caster blurs, so foes miss more often.",  // Blur Sight
        "A fearsome illusion attacks the target, whose fear makes the wounds real.",  // Phantasmal Fiend
        "The target cannot be seen until it attacks.",  // Invisibility
    }},
    // 14: Summoning
    {{
        "A swarm of biting insects torments the target.",  // Plague of Insects
        "A mighty orc warrior appears and fights for the caster.",  // Orc Champion
        "A huge ogre is summoned to guard the caster and beat back his enemies.",  // Guardian Ogre
        "A gate to the underworld opens and lets loose a demon that serves the caster for a short time.",  // Hellgate
        "A small creature bonds with the caster and serves him.",  // Familiar
    }},
    // 15: Temporal
    {{
        "Holds a door or chest shut by magick, so no key or pick can open it.",  // Magelock
        "Time thickens around the target, slowing it.",  // Congeal Time
        "The target is frozen in time and can neither act nor be harmed.",  // Stasis
        "The target moves and acts faster.",  // Hasten
        "For a while the caster and party move faster while all else around them slows down nearly to a standstill.",  // Tempus Fugit
    }},
}};

// Text shown in the explanation box when a schematic is highlighted.
// Rows follow the discipline order of the discipline list, columns the schematic position.
const std::array<std::array<std::string_view, 7>, 8> schematic_description_table = {{
    // 0: Chemistry
    {{
        "Makes batteries to power various weapons.",  // Charges
        "A simple mix to prepare",  // Strong Poison
        "Burns long and hot, keeping lamps and engines running for hours.",  // Fuel
        "Freezes whoever drinks it in place, unable to move, for a short time.",  // Potion of Paralysis
        "Eats through metal, wood and flesh alike when splashed on them",  // Corrosive Acid
        "Masks the wearer's smell so wild beasts pass by without noticing",  // Animal Scent
        "Draws animals from far away toward the spot where it is spilled.",  // Animal Lure
    }},
    // 1: Electrical
    {{
        "A lamp that glows steadily without flame, oil or smoke.",  // Electric Light
        "A ring that gives a sharp shock to anyone it strikes.",  // Charged Ring
        "Measures how strongly magick flows through a place or an object",  // Flow Spectrometer
        "A staff that lets loose a jolt of electricity on contact",  // Shocking Staff
        "A hat whose reversed magnetism turns aside spells and metal missiles aimed at the wearer's head.",  // Chapeau of Magnetic Inversion
        "A jacket that speeds the healing of wounds with gentle currents",  // Healing Jacket
        "A rod that gives the same effect as the \"Shocking Staff\", only from a safe distance.",  // Tesla Rod
    }},
    // 2: Explosives
    {{
        "Rounds for all firearms",  // Bullets
        "Releases a cloud of burning, choking gas that hurts everyone inside it.",  // Mustard Gas Grenade
        "Blinds an area with thick smoke.",  // Smoke Grenade
        "Puts everyone near it to sleep.",  // Knock-Out Grenade
        "High explosive!",  // Explosive Grenade
        "A line of burning pitch blocks the enemy's path.",  // Fire Obstruction
        "Blasts through rock, doors and anyone standing too close when the fuse runs out.",  // Dynamite
    }},
    // 3: Gun -Smithing
    {{
        "A rough but working handgun",  // Crude Flintlock Pistol
        "A well-made pistol that rarely misfires.",  // Fine Pistol
        "A rifle that sprays out a great quantity of lead and is sure to leave a good many holes in its luckless victim.",  // Repeater Rifle
        "A pistol that fires with barely a sound, ideal for quiet work",  // Hushed Pistol
        "A rifle with a lens on top for hitting targets far away",  // Looking Glass Rifle
        "A heavy gun that knocks foes off their feet.",  // Hand Cannon
        "The biggest gun a person can carry; it fells anything that walks, horns and hide and all.",  // Elephant Gun
    }},
    // 4: Herbology
    {{
        "Heals light wounds.",  // heal Lite
        "Brings back lost fatigue.",  // fatigue Restorer
        "Cures most poisons.",  // Poison Cure
        "Slows the loss of fatigue for a while.",  // fatigue Limiter
        "Makes wounds heal faster over the next hours.",  // Accelerate Healing
        "Heals health and fatigue in one dose.",  // Wonder Drug
        "Restores all health and all fatigue and cures all poisons as well.",  // Cure All
    }},
    // 5: Mechanical
    {{
        "A plate of spikes hidden underfoot",  // Spike Trap
        "Opens most locks by itself.",  // Auto Skeleton Key
        "Sets off traps from a safe distance.",  // Trap Springer
        "Steel jaws that hold a foe fast",  // Bear Trap
        "A wind-up figure that draws the enemy's attacks",  // Clockwork Decoy
        "Goggles that let the wearer spot hidden things and see in dim light.",  // Eye Gear
        "A clockwork spider that crawls beside its maker and fights at his side until its spring runs down.",  // Mechanized Arachnid
    }},
    // 6: Smithy
    {{
        "Refines raw ore into good metal.",  // Pure Ore
        "A blade so well balanced that it is easy to swing and strikes true.",  // Balanced Sword
        "An axe that weighs half as much as usual",  // Ultralite Axe
        "Heavy dwarven gloves that add crushing weight to every punch thrown",  // Dwarven Gauntlets
        "A helm with wide eye slits that hides nothing from view.",  // Helmet of Vision
        "Chainmail light enough to wear all day.",  // Ultralite Chainmail
        "Leather joined with dwarven sheet metal, giving heavy protection to the wearer while staying as quiet as possible whenever sneaking about.",  // Elite Plate Mail
    }},
    // 7: Therapeutics
    {{
        "Boosts the drinker's intelligence for some time.",  // Serum of Superior Intellect
        "Boosts the drinker's strength for some time.",  // Elixer of Physical Prowess
        "Boosts the drinker's perception for some time.",  // Liquid of Awareness
        "Boosts the drinker's dexterity for some time.",  // Tonic of Increased Reflexes
        "Raises all mental attributes for some time.",  // Mind Marvel
        "Raises all physical attributes for some time.",  // Energizer
        "Raises all attributes of the drinker for some time.",  // Revitalizer
    }},
}};

}  // namespace tessmar
