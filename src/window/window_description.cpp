// The window Form1 as constant data: its caption, client area, colours and picture,
// and the one table of its 166 controls with their places, texts, colours and tooltips.
#include "window/window_description.h"

#include <iterator>

namespace tessmar {

namespace {

// Fonts other than the window's own (MS Sans Serif 8.25 bold).
constexpr Font regular_8{8.25f, false};
constexpr Font bold_9{9.75f, true};
constexpr Font regular_9{9.75f, false};

// Tooltips shared by the controls of one line, each text kept exactly as shown.
constexpr std::string_view tip_st = "bonus for 20 =  +10 Damage(double damage)";
constexpr std::string_view tip_cn = "bonus for 20 = poison immunity ";
constexpr std::string_view tip_dx = "bonus for 20 = Speed is 25 (+1 per point over 20) ";
constexpr std::string_view tip_be = "bonus for 20 = reaction modifier is +100% (+10% per point over 20) ";
constexpr std::string_view tip_in = "bonus for 20 = 10% to the success rate of every Skill ";
constexpr std::string_view tip_wp = "bonus for 20 = immune to any Spell resisted by Willpower ";
constexpr std::string_view tip_pe = "bonus for 20 = sense invisible ";
constexpr std::string_view tip_ch =
    "bonus for 20 = 100% loyalty: followers will never flee from your side and will only leave you if you "
    "ask them to, never of their own accord ";
constexpr std::string_view tip_hitpoints = "current hitpoints (how much damage you can take)";
constexpr std::string_view tip_fatigue = "current fatigue(mainly used for casting spells)";
constexpr std::string_view tip_needs_dx = "prerequisite = DX dexterity";
constexpr std::string_view tip_needs_pe = "prerequisite = PE perception";
constexpr std::string_view tip_needs_in = "prerequisite = IN intelligence";
constexpr std::string_view tip_needs_wp = "prerequisite = WP willpower";
constexpr std::string_view tip_needs_ch = "prerequisite = CH charisma";
constexpr std::string_view tip_carryweight = "expressed in stones( 1 \"stone\" = 1/10 lb.)";
constexpr std::string_view tip_damagebonus = "adds( or subtracts) to your damage when usinga melee weapon";
constexpr std::string_view tip_acadj = "AC determines how hard you are to hit";
constexpr std::string_view tip_speed = "determines how many actions can be performed in a turn";

constexpr WindowDescription form1_description{
    .caption = "Tessmar Character Planner          v 1.7",
    .client_width = 11850,
    .client_height = 8595,
    .back_color = 0x00C0C0C0,
    .fore_color = 0x00FF8080,
    .font = window_font,
    .picture_width = 800,
    .picture_height = 600,
};

constexpr ControlDescription controls[] = {
    // Selection lists, description and message boxes
    {.name = "Label1", .kind = ControlKind::Label, .place = {360, 120, 1095, 255}, .text = "Race Selection",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Race_Selection", .kind = ControlKind::ListBox, .place = {120, 480, 1575, 1425}, .font = regular_8,
     .tooltip = "displays available races/genders", .sorted = true},
    {.name = "Label2", .kind = ControlKind::Label, .place = {2280, 120, 1695, 255}, .text = "Background Selection",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Background_Selection", .kind = ControlKind::ListBox, .place = {1920, 480, 2415, 1425}, .font = regular_8,
     .tooltip = "shows available backgrounds"},
    {.name = "background_explanations", .kind = ControlKind::TextBox, .place = {120, 2040, 3255, 2295},
     .text = "Text1\r\n", .tooltip = "displays information about the current selection", .multi_line = true},
    {.name = "message_window", .kind = ControlKind::TextBox, .place = {120, 4800, 3255, 375}, .fore_color = 0x000000FF,
     .tooltip = "displays important messages"},

    // Name, applied race and background, aptitude and level
    {.name = "Label39", .kind = ControlKind::Label, .place = {5040, 120, 615, 255}, .text = "Name:",
     .fore_color = system_color::highlight_text},
    {.name = "PCname", .kind = ControlKind::TextBox, .place = {5640, 120, 2895, 285}, .read_only = false,
     .max_length = 22},
    {.name = "Label37", .kind = ControlKind::Label, .place = {4440, 2280, 1215, 255}, .text = "Current Race",
     .fore_color = system_color::highlight_text},
    {.name = "Current_race", .kind = ControlKind::Label, .place = {4320, 2520, 1455, 255}, .text = "Human/male",
     .fore_color = 0x008080FF, .tooltip = "displays current race"},
    {.name = "Label38", .kind = ControlKind::Label, .place = {4200, 3000, 1815, 255}, .text = "Current Background",
     .fore_color = system_color::highlight_text},
    {.name = "Current_background", .kind = ControlKind::Label, .place = {3600, 3240, 3015, 255}, .text = "none",
     .fore_color = 0x008080FF, .tooltip = "displays current background"},
    {.name = "Label46", .kind = ControlKind::Label, .place = {3480, 3600, 1215, 495}, .text = "Magick/Tech Aptitude",
     .fore_color = system_color::highlight_text},
    {.name = "aptitude", .kind = ControlKind::TextBox, .place = {3840, 4080, 495, 285}, .text = "0",
     .back_color = 0x00FFFFFF, .fore_color = 0x00000000,
     .tooltip = "Current Aptitude(background color indicates bias)"},
    {.name = "Label51", .kind = ControlKind::Label, .place = {4920, 3720, 975, 255}, .text = "Current Level",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Clevel", .kind = ControlKind::TextBox, .place = {4920, 4080, 375, 285}, .text = "1", .font = bold_9},
    {.name = "levelup", .kind = ControlKind::Button, .place = {5400, 4080, 855, 255}, .text = "Level-up",
     .back_color = 0x0000FF00, .tooltip = "increses level by 1(adds CPs)"},

    // Derived statistics, character points, hit points and fatigue
    {.name = "Label47", .kind = ControlKind::Label, .place = {4560, 720, 975, 255}, .text = "Carry Weight",
     .fore_color = 0x000000FF, .font = regular_8, .tooltip = tip_carryweight},
    {.name = "Carryweight", .kind = ControlKind::TextBox, .place = {5640, 720, 735, 285}, .text = "000",
     .font = regular_9, .tooltip = tip_carryweight},
    {.name = "Label48", .kind = ControlKind::Label, .place = {4560, 1080, 975, 255}, .text = "Dmg. Bonus",
     .fore_color = 0x000000FF, .font = regular_8, .tooltip = tip_damagebonus},
    {.name = "Damagebonus", .kind = ControlKind::TextBox, .place = {5640, 1080, 375, 285}, .text = "00",
     .font = regular_9, .tooltip = tip_damagebonus},
    {.name = "Label49", .kind = ControlKind::Label, .place = {4920, 1440, 615, 255}, .text = "AC Adj.",
     .fore_color = 0x000000FF, .font = regular_8, .tooltip = tip_acadj},
    {.name = "ACadj", .kind = ControlKind::TextBox, .place = {5640, 1440, 375, 285}, .text = "00", .font = regular_9,
     .tooltip = tip_acadj},
    {.name = "Label50", .kind = ControlKind::Label, .place = {4920, 1800, 495, 255}, .text = "Speed",
     .fore_color = 0x000000FF, .font = regular_8, .tooltip = tip_speed},
    {.name = "Speed", .kind = ControlKind::TextBox, .place = {5640, 1800, 375, 285}, .text = "00", .font = regular_9,
     .tooltip = tip_speed},
    {.name = "Label3", .kind = ControlKind::Label, .place = {6600, 480, 1215, 255}, .text = "Character Points",
     .fore_color = 0x0000C0C0, .font = regular_8},
    {.name = "Label15", .kind = ControlKind::Label, .place = {6720, 720, 855, 255}, .text = "Remaining",
     .fore_color = 0x0000C0C0, .font = regular_8},
    {.name = "CPs_remaining", .kind = ControlKind::TextBox, .place = {6840, 960, 375, 285}, .text = "05",
     .font = regular_8},
    {.name = "Label13", .kind = ControlKind::Label, .place = {6720, 1800, 855, 255}, .text = "HitPoints",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Hitpoints_minus", .kind = ControlKind::Button, .place = {6720, 2040, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_hitpoints},
    {.name = "hitpoints", .kind = ControlKind::TextBox, .place = {6960, 2040, 495, 285}, .text = "000", .font = bold_9,
     .tooltip = tip_hitpoints},
    {.name = "Hitpoints_plus", .kind = ControlKind::Button, .place = {7440, 2040, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_hitpoints},
    {.name = "Label14", .kind = ControlKind::Label, .place = {6720, 2520, 855, 255}, .text = "Fatigue",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Fatigue_minus", .kind = ControlKind::Button, .place = {6720, 2760, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_fatigue},
    {.name = "fatigue", .kind = ControlKind::TextBox, .place = {6960, 2760, 495, 285}, .text = "000", .font = bold_9,
     .tooltip = tip_fatigue},
    {.name = "Fatigue_plus", .kind = ControlKind::Button, .place = {7440, 2760, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_fatigue},

    // Magick and technology lists, purchases, free text and the two action buttons
    {.name = "Magick_select", .kind = ControlKind::Button, .place = {240, 5520, 855, 255}, .text = "Magick",
     .back_color = 0x00FF80FF, .tooltip = "displays magick colleges in box below"},
    {.name = "Tech_select", .kind = ControlKind::Button, .place = {1560, 5520, 855, 255}, .text = "Tech",
     .back_color = 0x000040C0, .tooltip = "displays tech disciplines in box below"},
    {.name = "Magick_list", .kind = ControlKind::ListBox, .place = {120, 5880, 2415, 1020}, .fore_color = 0x00FF00FF,
     .font = regular_9, .tooltip = "shows magick colleges"},
    {.name = "Tech_list", .kind = ControlKind::ListBox, .place = {120, 5880, 2415, 1020}, .fore_color = 0x000040C0,
     .font = regular_9, .tooltip = "shows tech disciplines"},
    {.name = "Spelltechindicator", .kind = ControlKind::Label, .place = {960, 7080, 975, 255}, .text = "Spells",
     .fore_color = 0x00FF00FF},
    {.name = "Spell_list", .kind = ControlKind::ListBox, .place = {120, 7440, 2415, 1035}, .font = regular_8,
     .tooltip = "shows spells for selected college"},
    {.name = "Schematic_list", .kind = ControlKind::ListBox, .place = {120, 7440, 2655, 1035}, .font = regular_8,
     .tooltip = "shows schematics for selected discipline"},
    {.name = "Label41", .kind = ControlKind::Label, .place = {3960, 4560, 2175, 495},
     .text = "\"Purchased\" Spells and Schematics", .fore_color = system_color::light_edge},
    {.name = "purchased", .kind = ControlKind::ListBox, .place = {3600, 5160, 2775, 1035}, .font = regular_8,
     .tooltip = "shows currently purchased spells and schematics"},
    {.name = "Clear", .kind = ControlKind::Button, .place = {3840, 6240, 2295, 375}, .text = "Clear Spells/Schematics",
     .back_color = 0x0000FFFF, .tooltip = "removes all purchased spells and schematics and returns CPs"},
    {.name = "Label40", .kind = ControlKind::Label, .place = {3480, 6840, 3015, 255},
     .text = "Alternative background description", .fore_color = system_color::button_face},
    {.name = "alternativebackground", .kind = ControlKind::TextBox, .place = {3720, 7200, 2655, 1215},
     .tooltip = "enter alternative background description here", .read_only = false, .multi_line = true,
     .max_length = 3000},
    {.name = "SAVE", .kind = ControlKind::Button, .place = {7920, 8160, 855, 255}, .text = "SAVE",
     .back_color = 0x0000FF00, .tooltip = "saves  current inforamtion to text file"},
    {.name = "Quit", .kind = ControlKind::Button, .place = {9840, 8160, 855, 255}, .text = "Quit",
     .back_color = 0x000000FF, .tooltip = "ends program"},
    {.name = "dummy", .kind = ControlKind::TextBox, .place = {3960, 120, 975, 285}, .text = "0", .visible = false,
     .read_only = false},

    // Attribute block: headings
    {.name = "Label4", .kind = ControlKind::Label, .place = {9120, 240, 1215, 255}, .text = "Primary Statistics",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Label42", .kind = ControlKind::Label, .place = {8160, 600, 375, 255}, .text = "Base",
     .fore_color = system_color::light_edge, .font = regular_8},
    {.name = "Label43", .kind = ControlKind::Label, .place = {10200, 600, 375, 255}, .text = "Base",
     .fore_color = system_color::light_edge, .font = regular_8},
    {.name = "Label44", .kind = ControlKind::Label, .place = {8880, 600, 615, 255}, .text = "Adjusted",
     .fore_color = 0x00C0FFC0, .font = regular_8},
    {.name = "Label45", .kind = ControlKind::Label, .place = {10920, 600, 615, 255}, .text = "Adjusted",
     .fore_color = 0x00C0FFC0, .font = regular_8},

    // Attribute block, left column: ST, CN, DX, BE
    {.name = "Label5", .kind = ControlKind::Label, .place = {7800, 960, 375, 255}, .text = "ST:",
     .fore_color = 0x00FFFF00, .font = bold_9, .tooltip = tip_st},
    {.name = "Strength", .kind = ControlKind::TextBox, .place = {8160, 960, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_st},
    {.name = "Adjstrength", .kind = ControlKind::TextBox, .place = {9000, 960, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_st},
    {.name = "ST_plus", .kind = ControlKind::Button, .place = {8520, 840, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_st},
    {.name = "ST_minus", .kind = ControlKind::Button, .place = {8520, 1080, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_st},

    {.name = "Label6", .kind = ControlKind::Label, .place = {7800, 1560, 375, 255}, .text = "CN:",
     .fore_color = 0x00FFFF00, .font = bold_9, .tooltip = tip_cn},
    {.name = "Constitution", .kind = ControlKind::TextBox, .place = {8160, 1560, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_cn},
    {.name = "Adjconstitution", .kind = ControlKind::TextBox, .place = {9000, 1560, 375, 285}, .text = "8",
     .font = bold_9, .tooltip = tip_cn},
    {.name = "CN_plus", .kind = ControlKind::Button, .place = {8520, 1440, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_cn},
    {.name = "CN_minus", .kind = ControlKind::Button, .place = {8520, 1680, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_cn},

    {.name = "Label7", .kind = ControlKind::Label, .place = {7800, 2160, 375, 255}, .text = "DX:",
     .fore_color = 0x00FFFF00, .font = bold_9, .tooltip = tip_dx},
    {.name = "Dexterity", .kind = ControlKind::TextBox, .place = {8160, 2160, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_dx},
    {.name = "Adjdexterity", .kind = ControlKind::TextBox, .place = {9000, 2160, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_dx},
    {.name = "DX_plus", .kind = ControlKind::Button, .place = {8520, 2040, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_dx},
    {.name = "DX_minus", .kind = ControlKind::Button, .place = {8520, 2280, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_dx},

    {.name = "Label12", .kind = ControlKind::Label, .place = {7800, 2760, 375, 255}, .text = "BE:",
     .fore_color = 0x00FFFF00, .font = bold_9, .tooltip = tip_be},
    {.name = "Beauty", .kind = ControlKind::TextBox, .place = {8160, 2760, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_be},
    {.name = "Adjbeauty", .kind = ControlKind::TextBox, .place = {9000, 2760, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_be},
    {.name = "BE_plus", .kind = ControlKind::Button, .place = {8520, 2640, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_be},
    {.name = "BE_minus", .kind = ControlKind::Button, .place = {8520, 2880, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_be},

    // Attribute block, right column: IN, WP, PE, CH
    {.name = "Label9", .kind = ControlKind::Label, .place = {9840, 960, 375, 255}, .text = "IN:",
     .fore_color = 0x00FFFF00, .font = bold_9, .tooltip = tip_in},
    {.name = "Intelligence", .kind = ControlKind::TextBox, .place = {10200, 960, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_in},
    {.name = "Adjintelligence", .kind = ControlKind::TextBox, .place = {11040, 960, 375, 285}, .text = "8",
     .font = bold_9, .tooltip = tip_in},
    {.name = "IN_plus", .kind = ControlKind::Button, .place = {10560, 840, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_in},
    {.name = "IN_minus", .kind = ControlKind::Button, .place = {10560, 1080, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_in},

    {.name = "Label10", .kind = ControlKind::Label, .place = {9720, 1560, 420, 255}, .text = "WP:",
     .fore_color = 0x00FFFF00, .font = bold_9, .tooltip = tip_wp},
    {.name = "Willpower", .kind = ControlKind::TextBox, .place = {10200, 1560, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_wp},
    {.name = "Adjwillpower", .kind = ControlKind::TextBox, .place = {11040, 1560, 375, 285}, .text = "8",
     .font = bold_9, .tooltip = tip_wp},
    {.name = "WP_plus", .kind = ControlKind::Button, .place = {10560, 1440, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_wp},
    {.name = "WP_minus", .kind = ControlKind::Button, .place = {10560, 1680, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_wp},

    {.name = "Label11", .kind = ControlKind::Label, .place = {9840, 2160, 375, 255}, .text = "PE:",
     .fore_color = 0x00FFFF00, .font = bold_9, .tooltip = tip_pe},
    {.name = "Perception", .kind = ControlKind::TextBox, .place = {10200, 2160, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_pe},
    {.name = "Adjperception", .kind = ControlKind::TextBox, .place = {11040, 2160, 375, 285}, .text = "8",
     .font = bold_9, .tooltip = tip_pe},
    {.name = "PE_plus", .kind = ControlKind::Button, .place = {10560, 2040, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_pe},
    {.name = "PE_minus", .kind = ControlKind::Button, .place = {10560, 2280, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_pe},

    {.name = "Label8", .kind = ControlKind::Label, .place = {9840, 2760, 375, 255}, .text = "CH:",
     .fore_color = 0x00FFFF00, .font = bold_9, .tooltip = tip_ch},
    {.name = "Charisma", .kind = ControlKind::TextBox, .place = {10200, 2760, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_ch},
    {.name = "Adjcharisma", .kind = ControlKind::TextBox, .place = {11040, 2760, 375, 285}, .text = "8", .font = bold_9,
     .tooltip = tip_ch},
    {.name = "CH_plus", .kind = ControlKind::Button, .place = {10560, 2640, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_ch},
    {.name = "CH_minus", .kind = ControlKind::Button, .place = {10560, 2880, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_ch},

    // Skill block heading
    {.name = "Label24", .kind = ControlKind::Label, .place = {8880, 3360, 735, 255}, .text = "Skills",
     .fore_color = system_color::button_face, .font = bold_9},

    // Combat skills: labels end at 7335
    {.name = "Label33", .kind = ControlKind::Label, .place = {7080, 3600, 975, 255}, .text = "Combat skills",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Label19", .kind = ControlKind::Label, .place = {6720, 3960, 615, 255}, .text = "Bow",
     .fore_color = 0x000000FF},
    {.name = "bow_minus", .kind = ControlKind::Button, .place = {7440, 3960, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "bow", .kind = ControlKind::TextBox, .place = {7680, 3960, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_dx},
    {.name = "bow_plus", .kind = ControlKind::Button, .place = {8280, 3960, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "Label18", .kind = ControlKind::Label, .place = {6600, 4440, 735, 255}, .text = "Dodge",
     .fore_color = 0x000000FF},
    {.name = "dodge_minus", .kind = ControlKind::Button, .place = {7440, 4440, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "dodge", .kind = ControlKind::TextBox, .place = {7680, 4440, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_dx},
    {.name = "dodge_plus", .kind = ControlKind::Button, .place = {8280, 4440, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "Label17", .kind = ControlKind::Label, .place = {6600, 4920, 735, 255}, .text = "Melee",
     .fore_color = 0x000000FF},
    {.name = "melee_minus", .kind = ControlKind::Button, .place = {7440, 4920, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "melee", .kind = ControlKind::TextBox, .place = {7680, 4920, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_dx},
    {.name = "melee_plus", .kind = ControlKind::Button, .place = {8280, 4920, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "Label16", .kind = ControlKind::Label, .place = {6480, 5400, 855, 255}, .text = "Throwing",
     .fore_color = 0x000000FF},
    {.name = "throwing_minus", .kind = ControlKind::Button, .place = {7440, 5400, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "throwing", .kind = ControlKind::TextBox, .place = {7680, 5400, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_dx},
    {.name = "throwing_plus", .kind = ControlKind::Button, .place = {8280, 5400, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_dx},

    // Thief skills: labels end at 10575
    {.name = "Label34", .kind = ControlKind::Label, .place = {10320, 3600, 975, 255}, .text = "Thief skills",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Label23", .kind = ControlKind::Label, .place = {9720, 3960, 855, 255}, .text = "Backstab",
     .fore_color = 0x0000C000},
    {.name = "backstab_minus", .kind = ControlKind::Button, .place = {10680, 3960, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "backstab", .kind = ControlKind::TextBox, .place = {10920, 3960, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_dx},
    {.name = "backstab_plus", .kind = ControlKind::Button, .place = {11520, 3960, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "Label22", .kind = ControlKind::Label, .place = {9360, 4440, 1215, 255}, .text = "Pick Pocket",
     .fore_color = 0x0000C000},
    {.name = "pickpocket_minus", .kind = ControlKind::Button, .place = {10680, 4440, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "pickpocket", .kind = ControlKind::TextBox, .place = {10920, 4440, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_dx},
    {.name = "pickpocket_plus", .kind = ControlKind::Button, .place = {11520, 4440, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "Label21", .kind = ControlKind::Label, .place = {9720, 4920, 855, 255}, .text = "Prowling",
     .fore_color = 0x0000C000},
    {.name = "prowling_minus", .kind = ControlKind::Button, .place = {10680, 4920, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_pe},
    {.name = "prowling", .kind = ControlKind::TextBox, .place = {10920, 4920, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_pe},
    {.name = "prowling_plus", .kind = ControlKind::Button, .place = {11520, 4920, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_pe},
    {.name = "Label20", .kind = ControlKind::Label, .place = {9600, 5400, 975, 255}, .text = "Spot Trap",
     .fore_color = 0x0000C000},
    {.name = "spottrap_minus", .kind = ControlKind::Button, .place = {10680, 5400, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_pe},
    {.name = "spottrap", .kind = ControlKind::TextBox, .place = {10920, 5400, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_pe},
    {.name = "spottrap_plus", .kind = ControlKind::Button, .place = {11520, 5400, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_pe},

    // Social skills: labels end at 7455
    {.name = "Label35", .kind = ControlKind::Label, .place = {7200, 5760, 855, 255}, .text = "Social skills",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Label25", .kind = ControlKind::Label, .place = {6600, 6120, 855, 255}, .text = "Gambling",
     .fore_color = 0x00FF8080},
    {.name = "Gambling_minus", .kind = ControlKind::Button, .place = {7560, 6120, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_in},
    {.name = "gambling", .kind = ControlKind::TextBox, .place = {7800, 6120, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_in},
    {.name = "Gambling_plus", .kind = ControlKind::Button, .place = {8400, 6120, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_in},
    {.name = "Label26", .kind = ControlKind::Label, .place = {6720, 6600, 735, 255}, .text = "Haggle",
     .fore_color = 0x00FF8080},
    {.name = "Haggle_minus", .kind = ControlKind::Button, .place = {7560, 6600, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_wp},
    {.name = "haggle", .kind = ControlKind::TextBox, .place = {7800, 6600, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_wp},
    {.name = "Haggle_plus", .kind = ControlKind::Button, .place = {8400, 6600, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_wp},
    {.name = "Label27", .kind = ControlKind::Label, .place = {6720, 7080, 735, 255}, .text = "Heal",
     .fore_color = 0x00FF8080},
    {.name = "Heal_minus", .kind = ControlKind::Button, .place = {7560, 7080, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_in},
    {.name = "heal", .kind = ControlKind::TextBox, .place = {7800, 7080, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_in},
    {.name = "Heal_plus", .kind = ControlKind::Button, .place = {8400, 7080, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_in},
    {.name = "Label28", .kind = ControlKind::Label, .place = {6480, 7560, 975, 255}, .text = "Persuasion",
     .fore_color = 0x00FF8080},
    {.name = "Persausion_minus", .kind = ControlKind::Button, .place = {7560, 7560, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_ch},
    {.name = "persuasion", .kind = ControlKind::TextBox, .place = {7800, 7560, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_ch},
    {.name = "Persausion_plus", .kind = ControlKind::Button, .place = {8400, 7560, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_ch},

    // Tech skills: labels end at 10575
    {.name = "Label36", .kind = ControlKind::Label, .place = {10440, 5760, 975, 255}, .text = "Tech skills",
     .fore_color = system_color::tooltip_background, .font = regular_8},
    {.name = "Label29", .kind = ControlKind::Label, .place = {9960, 6120, 615, 255}, .text = "Repair",
     .fore_color = 0x000080FF},
    {.name = "Repair_minus", .kind = ControlKind::Button, .place = {10680, 6120, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_in},
    {.name = "repair", .kind = ControlKind::TextBox, .place = {10920, 6120, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_in},
    {.name = "Repair_plus", .kind = ControlKind::Button, .place = {11520, 6120, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_in},
    {.name = "Label30", .kind = ControlKind::Label, .place = {9720, 6600, 855, 255}, .text = "FireArms",
     .fore_color = 0x000080FF},
    {.name = "Firearms_minus", .kind = ControlKind::Button, .place = {10680, 6600, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "firearms", .kind = ControlKind::TextBox, .place = {10920, 6600, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_dx},
    {.name = "Firearms_plus", .kind = ControlKind::Button, .place = {11520, 6600, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "Label31", .kind = ControlKind::Label, .place = {9480, 7080, 1095, 255}, .text = "Pick Locks",
     .fore_color = 0x000080FF},
    {.name = "Picklocks_minus", .kind = ControlKind::Button, .place = {10680, 7080, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "picklocks", .kind = ControlKind::TextBox, .place = {10920, 7080, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_dx},
    {.name = "Picklocks_plus", .kind = ControlKind::Button, .place = {11520, 7080, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_dx},
    {.name = "Label32", .kind = ControlKind::Label, .place = {8880, 7560, 1695, 255}, .text = "Arm/Disarm Traps",
     .fore_color = 0x000080FF},
    {.name = "ADTraps_minus", .kind = ControlKind::Button, .place = {10680, 7560, 225, 240}, .text = "-",
     .back_color = 0x000000FF, .font = bold_9, .tooltip = tip_needs_pe},
    {.name = "adtraps", .kind = ControlKind::TextBox, .place = {10920, 7560, 615, 285}, .text = "00", .font = bold_9,
     .tooltip = tip_needs_pe},
    {.name = "ADTraps_plus", .kind = ControlKind::Button, .place = {11520, 7560, 225, 240}, .text = "+",
     .back_color = 0x0000FF00, .font = bold_9, .tooltip = tip_needs_pe},

    // The Save As dialog component: no place in the layout
    {.name = "savefile", .kind = ControlKind::FileDialog, .place = {0, 0, 0, 0}, .visible = false},
};

static_assert(std::size(controls) == 166, "Form1 has 166 controls");

constexpr std::string_view tab_order[] = {
    // Name
    "PCname",
    // Race and background lists, and the description box below them (read-only,
    // reached by Tab so that a long description can be scrolled by keys)
    "Race_Selection", "Background_Selection", "background_explanations",
    // Level-up, beside the level box in the middle column under the name: read
    // after the lists, and before the lines that spend the points it earns
    "levelup",
    // Stat lines: hit points and fatigue, then the attribute columns; "-" left of
    // "+" in the first, "+" above "-" in the others
    "Hitpoints_minus", "Hitpoints_plus", "Fatigue_minus", "Fatigue_plus",
    "ST_plus", "ST_minus", "CN_plus", "CN_minus", "DX_plus", "DX_minus", "BE_plus", "BE_minus",
    "IN_plus", "IN_minus", "WP_plus", "WP_minus", "PE_plus", "PE_minus", "CH_plus", "CH_minus",
    // Skills: the combat and social groups of the left column, then thief and tech
    "bow_minus", "bow_plus", "dodge_minus", "dodge_plus", "melee_minus", "melee_plus",
    "throwing_minus", "throwing_plus",
    "Gambling_minus", "Gambling_plus", "Haggle_minus", "Haggle_plus", "Heal_minus", "Heal_plus",
    "Persausion_minus", "Persausion_plus",
    "backstab_minus", "backstab_plus", "pickpocket_minus", "pickpocket_plus", "prowling_minus", "prowling_plus",
    "spottrap_minus", "spottrap_plus",
    "Repair_minus", "Repair_plus", "Firearms_minus", "Firearms_plus", "Picklocks_minus", "Picklocks_plus",
    "ADTraps_minus", "ADTraps_plus",
    // Spells and schematics (one list of each pair is shown), the purchases and
    // the alternative background below them
    "Magick_select", "Tech_select", "Magick_list", "Tech_list", "Spell_list", "Schematic_list",
    "purchased", "Clear", "alternativebackground",
    // Action buttons
    "SAVE", "Quit",
};

}  // namespace

const WindowDescription& form1_window()
{
    return form1_description;
}

std::span<const ControlDescription> form1_controls()
{
    return controls;
}

std::span<const std::string_view> form1_tab_order()
{
    return tab_order;
}

}  // namespace tessmar
