// Form1, the planner's one window: its controls (built from the window
// description), its window-level state and its procedures and event handlers.
// The folders window/, sheet/, race_background/, magick_tech/ and sheet_file/
// each define the members of one subsystem: they are parts of this one class,
// not layers, and call each other's members freely.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/platform.h"
#include "window/control_set.h"

namespace tessmar {

// 16-bit truth values, as the window's flags and ownership tables hold them.
inline constexpr std::int16_t flag_true = -1;
inline constexpr std::int16_t flag_false = 0;

// The colours that the rules write.
inline constexpr Color greencolor = 0x0000FA00;
inline constexpr Color redcolor = 0x000000FF;
inline constexpr Color magickcolor = 0x00FF80FF;
inline constexpr Color techcolor = 0x000040C0;
inline constexpr Color whitecolor = 0x00FFFFFF;

inline constexpr std::size_t attribute_count = 8;  // sheet/attribute_lines.h
inline constexpr std::size_t skill_count = 16;     // sheet/skill_lines.h

inline constexpr int college_count = 16;
inline constexpr int spell_ranks = 5;
inline constexpr int discipline_count = 8;
inline constexpr int schematic_positions = 7;

using SpellTable = std::array<std::array<std::int16_t, spell_ranks>, college_count>;
using TechTable = std::array<std::array<std::int16_t, schematic_positions>, discipline_count>;

struct AttributeRow;  // sheet/attribute_lines.h
struct SkillRow;      // sheet/skill_lines.h

// One attribute line of the window: its row of the attribute table, its Base
// and Adjusted boxes and its counter of points bought.
struct AttributeLine {
    const AttributeRow& row;
    TextBox& base;
    TextBox& adjusted;
    std::int16_t& bought;
};

// One skill line of the window: its row of the skill table, its box, its
// counter of purchased ranks and the Adjusted box of its governing attribute.
struct SkillLine {
    const SkillRow& row;
    TextBox& box;
    float& counter;
    TextBox& governing;
};

// The derived statistics to refresh: those that follow from the Adjusted ST
// (Carryweight, then Damagebonus), those that follow from the Adjusted DX
// (ACadj, then Speed), none, or all four in that order.
enum class Derived : std::uint8_t { none = 0, of_strength = 1, of_dexterity = 2, all = 3 };

// Owns the window's controls, built from the window description. Form1 takes it
// as its first base class so that every control exists before any of Form1's
// reference members below binds to it, whatever the order of those members.
class WindowControls {
protected:
    WindowControls();
    ControlSet controls_;
};

// A const Form1& says that a function only reads: the compiler cannot hold it
// to that, since the controls and lines are references to writable objects.
class Form1 : private WindowControls {
public:
    // Builds the window from its description and wires its events; the caller
    // raises the load event (Form_Load) once the platform has shown it.
    Form1(SaveAsDialog& save_dialog, ProgramEnd& program_end);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const ControlSet& controls() const { return controls_; }

private:
    SaveAsDialog& save_dialog_;
    ProgramEnd& program_end_;
    std::string save_folder_;  // where the next Save As starts: the folder of the last save that worked

    template <class T>
    T& control(std::string_view name) { return controls_.get<T>(name); }

    // Bound once when the window is built, in the order of their tables.
    std::array<AttributeLine, attribute_count> attribute_lines_;
    std::array<SkillLine, skill_count> skill_lines_;

public:
    // The attribute lines (sheet/attribute_lines.h) and the skill lines
    // (sheet/skill_lines.h), in the order of their tables.
    const std::array<AttributeLine, attribute_count>& attribute_lines() const { return attribute_lines_; }
    const std::array<SkillLine, skill_count>& skill_lines() const { return skill_lines_; }

    // ---- Controls -------------------------------------------------------
    // Every control is the window's own, found by its name in the window
    // description (window/window_description.cpp); the names are fixed.
    // Selection lists, description and message boxes.
    Label& Label1 = control<Label>("Label1");
    ListBox& Race_Selection = control<ListBox>("Race_Selection");
    Label& Label2 = control<Label>("Label2");
    ListBox& Background_Selection = control<ListBox>("Background_Selection");
    TextBox& background_explanations = control<TextBox>("background_explanations");
    TextBox& message_window = control<TextBox>("message_window");
    // Name, applied race and background, aptitude and level.
    Label& Label39 = control<Label>("Label39");
    TextBox& PCname = control<TextBox>("PCname");
    Label& Label37 = control<Label>("Label37");
    Label& Current_race = control<Label>("Current_race");
    Label& Label38 = control<Label>("Label38");
    Label& Current_background = control<Label>("Current_background");
    Label& Label46 = control<Label>("Label46");
    TextBox& aptitude = control<TextBox>("aptitude");
    Label& Label51 = control<Label>("Label51");
    TextBox& Clevel = control<TextBox>("Clevel");
    Button& levelup = control<Button>("levelup");
    // Derived statistics, character points, hit points and fatigue.
    Label& Label47 = control<Label>("Label47");
    TextBox& Carryweight = control<TextBox>("Carryweight");
    Label& Label48 = control<Label>("Label48");
    TextBox& Damagebonus = control<TextBox>("Damagebonus");
    Label& Label49 = control<Label>("Label49");
    TextBox& ACadj = control<TextBox>("ACadj");
    Label& Label50 = control<Label>("Label50");
    TextBox& Speed = control<TextBox>("Speed");
    Label& Label3 = control<Label>("Label3");
    Label& Label15 = control<Label>("Label15");
    TextBox& CPs_remaining = control<TextBox>("CPs_remaining");
    Label& Label13 = control<Label>("Label13");
    Button& Hitpoints_minus = control<Button>("Hitpoints_minus");
    TextBox& hitpoints = control<TextBox>("hitpoints");
    Button& Hitpoints_plus = control<Button>("Hitpoints_plus");
    Label& Label14 = control<Label>("Label14");
    Button& Fatigue_minus = control<Button>("Fatigue_minus");
    TextBox& fatigue = control<TextBox>("fatigue");
    Button& Fatigue_plus = control<Button>("Fatigue_plus");
    // Magick and technology lists, purchases, free text and the action buttons.
    Button& Magick_select = control<Button>("Magick_select");
    Button& Tech_select = control<Button>("Tech_select");
    ListBox& Magick_list = control<ListBox>("Magick_list");
    ListBox& Tech_list = control<ListBox>("Tech_list");
    Label& Spelltechindicator = control<Label>("Spelltechindicator");
    ListBox& Spell_list = control<ListBox>("Spell_list");
    ListBox& Schematic_list = control<ListBox>("Schematic_list");
    Label& Label41 = control<Label>("Label41");
    ListBox& purchased = control<ListBox>("purchased");
    Button& Clear = control<Button>("Clear");
    Label& Label40 = control<Label>("Label40");
    TextBox& alternativebackground = control<TextBox>("alternativebackground");
    Button& SAVE = control<Button>("SAVE");
    Button& Quit = control<Button>("Quit");
    TextBox& dummy = control<TextBox>("dummy");
    FileDialog& savefile = control<FileDialog>("savefile");
    // Primary statistics.
    Label& Label4 = control<Label>("Label4");
    Label& Label42 = control<Label>("Label42");
    Label& Label43 = control<Label>("Label43");
    Label& Label44 = control<Label>("Label44");
    Label& Label45 = control<Label>("Label45");
    Label& Label5 = control<Label>("Label5");
    TextBox& Strength = control<TextBox>("Strength");
    TextBox& Adjstrength = control<TextBox>("Adjstrength");
    Button& ST_plus = control<Button>("ST_plus");
    Button& ST_minus = control<Button>("ST_minus");
    Label& Label6 = control<Label>("Label6");
    TextBox& Constitution = control<TextBox>("Constitution");
    TextBox& Adjconstitution = control<TextBox>("Adjconstitution");
    Button& CN_plus = control<Button>("CN_plus");
    Button& CN_minus = control<Button>("CN_minus");
    Label& Label7 = control<Label>("Label7");
    TextBox& Dexterity = control<TextBox>("Dexterity");
    TextBox& Adjdexterity = control<TextBox>("Adjdexterity");
    Button& DX_plus = control<Button>("DX_plus");
    Button& DX_minus = control<Button>("DX_minus");
    Label& Label12 = control<Label>("Label12");
    TextBox& Beauty = control<TextBox>("Beauty");
    TextBox& Adjbeauty = control<TextBox>("Adjbeauty");
    Button& BE_plus = control<Button>("BE_plus");
    Button& BE_minus = control<Button>("BE_minus");
    Label& Label9 = control<Label>("Label9");
    TextBox& Intelligence = control<TextBox>("Intelligence");
    TextBox& Adjintelligence = control<TextBox>("Adjintelligence");
    Button& IN_plus = control<Button>("IN_plus");
    Button& IN_minus = control<Button>("IN_minus");
    Label& Label10 = control<Label>("Label10");
    TextBox& Willpower = control<TextBox>("Willpower");
    TextBox& Adjwillpower = control<TextBox>("Adjwillpower");
    Button& WP_plus = control<Button>("WP_plus");
    Button& WP_minus = control<Button>("WP_minus");
    Label& Label11 = control<Label>("Label11");
    TextBox& Perception = control<TextBox>("Perception");
    TextBox& Adjperception = control<TextBox>("Adjperception");
    Button& PE_plus = control<Button>("PE_plus");
    Button& PE_minus = control<Button>("PE_minus");
    Label& Label8 = control<Label>("Label8");
    TextBox& Charisma = control<TextBox>("Charisma");
    TextBox& Adjcharisma = control<TextBox>("Adjcharisma");
    Button& CH_plus = control<Button>("CH_plus");
    Button& CH_minus = control<Button>("CH_minus");
    // Skills: group headings, then per skill its label, box and buttons.
    Label& Label24 = control<Label>("Label24");
    Label& Label33 = control<Label>("Label33");
    Label& Label34 = control<Label>("Label34");
    Label& Label35 = control<Label>("Label35");
    Label& Label36 = control<Label>("Label36");
    Label& Label19 = control<Label>("Label19");
    TextBox& bow = control<TextBox>("bow");
    Button& bow_minus = control<Button>("bow_minus");
    Button& bow_plus = control<Button>("bow_plus");
    Label& Label18 = control<Label>("Label18");
    TextBox& dodge = control<TextBox>("dodge");
    Button& dodge_minus = control<Button>("dodge_minus");
    Button& dodge_plus = control<Button>("dodge_plus");
    Label& Label17 = control<Label>("Label17");
    TextBox& melee = control<TextBox>("melee");
    Button& melee_minus = control<Button>("melee_minus");
    Button& melee_plus = control<Button>("melee_plus");
    Label& Label16 = control<Label>("Label16");
    TextBox& throwing = control<TextBox>("throwing");
    Button& throwing_minus = control<Button>("throwing_minus");
    Button& throwing_plus = control<Button>("throwing_plus");
    Label& Label23 = control<Label>("Label23");
    TextBox& backstab = control<TextBox>("backstab");
    Button& backstab_minus = control<Button>("backstab_minus");
    Button& backstab_plus = control<Button>("backstab_plus");
    Label& Label22 = control<Label>("Label22");
    TextBox& pickpocket = control<TextBox>("pickpocket");
    Button& pickpocket_minus = control<Button>("pickpocket_minus");
    Button& pickpocket_plus = control<Button>("pickpocket_plus");
    Label& Label21 = control<Label>("Label21");
    TextBox& prowling = control<TextBox>("prowling");
    Button& prowling_minus = control<Button>("prowling_minus");
    Button& prowling_plus = control<Button>("prowling_plus");
    Label& Label20 = control<Label>("Label20");
    TextBox& spottrap = control<TextBox>("spottrap");
    Button& spottrap_minus = control<Button>("spottrap_minus");
    Button& spottrap_plus = control<Button>("spottrap_plus");
    Label& Label25 = control<Label>("Label25");
    TextBox& gambling = control<TextBox>("gambling");
    Button& Gambling_minus = control<Button>("Gambling_minus");
    Button& Gambling_plus = control<Button>("Gambling_plus");
    Label& Label26 = control<Label>("Label26");
    TextBox& haggle = control<TextBox>("haggle");
    Button& Haggle_minus = control<Button>("Haggle_minus");
    Button& Haggle_plus = control<Button>("Haggle_plus");
    Label& Label27 = control<Label>("Label27");
    TextBox& heal = control<TextBox>("heal");
    Button& Heal_minus = control<Button>("Heal_minus");
    Button& Heal_plus = control<Button>("Heal_plus");
    Label& Label28 = control<Label>("Label28");
    TextBox& persuasion = control<TextBox>("persuasion");
    Button& Persausion_minus = control<Button>("Persausion_minus");
    Button& Persausion_plus = control<Button>("Persausion_plus");
    Label& Label29 = control<Label>("Label29");
    TextBox& repair = control<TextBox>("repair");
    Button& Repair_minus = control<Button>("Repair_minus");
    Button& Repair_plus = control<Button>("Repair_plus");
    Label& Label30 = control<Label>("Label30");
    TextBox& firearms = control<TextBox>("firearms");
    Button& Firearms_minus = control<Button>("Firearms_minus");
    Button& Firearms_plus = control<Button>("Firearms_plus");
    Label& Label31 = control<Label>("Label31");
    TextBox& picklocks = control<TextBox>("picklocks");
    Button& Picklocks_minus = control<Button>("Picklocks_minus");
    Button& Picklocks_plus = control<Button>("Picklocks_plus");
    Label& Label32 = control<Label>("Label32");
    TextBox& adtraps = control<TextBox>("adtraps");
    Button& ADTraps_minus = control<Button>("ADTraps_minus");
    Button& ADTraps_plus = control<Button>("ADTraps_plus");

    // ---- Window-level state, in order of declaration --------------------
    std::int16_t okflag = 0;  // verdict of the last check, handed by reference as `ok`
    std::int16_t cpST = 0;    // points bought on each attribute line
    std::int16_t cpCN = 0;
    std::int16_t cpDX = 0;
    std::int16_t cpCH = 0;
    std::int16_t cpIN = 0;
    std::int16_t cpWP = 0;
    std::int16_t cpPE = 0;
    std::int16_t cpBE = 0;
    std::int16_t cpsleft = 0;  // CPs not yet spent; CPs_remaining shows the same number
    std::int16_t cphitpoints = 0;
    std::int16_t cpfatigue = 0;
    Color neutralcolor = 0;  // back colour given back to a box that is reset
    float bowCPspent = 0;    // purchased ranks of each skill, 0 to 5
    float dodgeCPspent = 0;
    float meleeCPspent = 0;
    float throwingCPspent = 0;
    float backstabCPspent = 0;
    float pickpocketCPspent = 0;
    float prowlingCPspent = 0;
    float spottrapCPspent = 0;
    float gamblingCPspent = 0;
    float haggleCPspent = 0;
    float healCPspent = 0;
    float persuasionCPspent = 0;
    float repairCPspent = 0;
    float firearmsCPspent = 0;
    float picklocksCPspent = 0;
    float adtrapsCPspent = 0;
    SpellTable spells{};          // spells(college, rank) owned
    TechTable techpurchased{};    // techpurchased(discipline, position) owned
    float aptitudetotal = 0;      // signed: above 0 toward magick, below 0 toward technology
    std::int16_t techcount = 0;   // schematics owned
    std::int16_t spellcount = 0;  // spells owned
    std::int16_t raceaptitude = 0;
    std::int16_t techaptitude = 0;
    std::int16_t spellaptitude = 0;
    std::int16_t techskillaptitude = 0;
    std::int16_t backgroundallowed = 0;  // verdict of the background restriction check

    // ---- Event handlers --------------------------------------------------
    void Form_Load();  // sheet/start_up.cpp

    // Stat lines (sheet/stat_lines.cpp).
    void ST_plus_Click();
    void ST_minus_Click();
    void DX_plus_Click();
    void DX_minus_Click();
    void CN_plus_Click();
    void CN_minus_Click();
    void BE_plus_Click();
    void BE_minus_Click();
    void IN_plus_Click();
    void IN_minus_Click();
    void WP_plus_Click();
    void WP_minus_Click();
    void PE_plus_Click();
    void PE_minus_Click();
    void CH_plus_Click();
    void CH_minus_Click();
    void Hitpoints_plus_Click();
    void Hitpoints_minus_Click();
    void Fatigue_plus_Click();
    void Fatigue_minus_Click();

    // Skills (sheet/skills.cpp).
    void bow_plus_Click();
    void bow_minus_Click();
    void dodge_plus_Click();
    void dodge_minus_Click();
    void melee_plus_Click();
    void melee_minus_Click();
    void throwing_plus_Click();
    void throwing_minus_Click();
    void backstab_plus_Click();
    void backstab_minus_Click();
    void pickpocket_plus_Click();
    void pickpocket_minus_Click();
    void prowling_plus_Click();
    void prowling_minus_Click();
    void spottrap_plus_Click();
    void spottrap_minus_Click();
    void Gambling_plus_Click();
    void Gambling_minus_Click();
    void Haggle_plus_Click();
    void Haggle_minus_Click();
    void Heal_plus_Click();
    void Heal_minus_Click();
    void Persausion_plus_Click();
    void Persausion_minus_Click();
    void Repair_plus_Click();
    void Repair_minus_Click();
    void Firearms_plus_Click();
    void Firearms_minus_Click();
    void Picklocks_plus_Click();
    void Picklocks_minus_Click();
    void ADTraps_plus_Click();
    void ADTraps_minus_Click();

    // Level-up (sheet/level_up.cpp) and quit (sheet/quit.cpp).
    void levelup_Click();
    void Quit_Click();

    // Race and background lists (race_background/).
    void Race_Selection_Click();
    void Race_Selection_DblClick();
    void Background_Selection_Click();
    void Background_Selection_DblClick();

    // Magick and technology lists, purchases and clearing (magick_tech/).
    void Magick_select_Click();
    void Magick_list_Click();
    void Spell_list_Click();
    void Spell_list_DblClick();
    void Tech_select_Click();
    void Tech_list_Click();
    void Schematic_list_Click();
    void Schematic_list_DblClick();
    void Clear_Click();

    // The character sheet file (sheet_file/).
    void SAVE_Click();

    // ---- Procedures -------------------------------------------------------
    // Derived statistics (sheet/derived_statistics.cpp).
    void Armoradj();
    void damageadj();
    void Speeddisplay();
    void hpsandfatadj();
    void refresh_derived_statistics(Derived which);
    // Stat lines (sheet/stat_lines.cpp).
    void plus_stats(TextBox& stat, std::int16_t& cpstat, std::int16_t& CPs, std::string_view name, TextBox& adj);
    void minus_stats(TextBox& stat, std::int16_t& cpstat, std::int16_t& CPs, std::string_view name, TextBox& adj);
    // Skills (sheet/skills.cpp).
    void plus_skill_adjustment(TextBox& Sname, TextBox& prerequisite, float& CPspent);
    void minus_skill_adjustment(TextBox& Sname, float& CPspent);
    void prerequisite_check(std::string_view currentstatlevel, std::string_view currentskill_level, std::int16_t& ok,
                            const TextBox& prerequisite);
    void reset_skills();
    // Aptitude (sheet/aptitude.cpp).
    void displayaptitude();
    // Race and background rules (race_background/).
    void RaceSelection();
    void race_descriptions();
    void backgroundselection();
    void checkbackgroundrestriction();
    void showbackgroundinfo();
    // Ownership tables and lowering guards (magick_tech/ownership.cpp).
    void reset_spells();
    void reset_tech();
    void spellprecheck(std::string_view currentwill, std::int16_t& ok);
    void techprecheck(std::string_view currentint, std::int16_t& ok);

private:
    void wire_events();  // window/event_wiring.cpp
};

}  // namespace tessmar
