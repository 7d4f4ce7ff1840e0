// The window's invariants, each as one check that says what it found, and the
// tracker that runs them all after every event.
#include "window_invariants.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <sstream>
#include <string_view>

#include "platform/box_value.h"
#include "race_background/race_table.h"
#include "sheet/skill_lines.h"
#include "purchase_invariants.h"
#include "sheet_invariants.h"
#include "sheet_rules.h"

namespace tessmar {

namespace {

std::string quoted(const std::string& text) { return '"' + text + '"'; }

}  // namespace

const std::set<std::string, std::less<>>& programs_messages()
{
    static const std::set<std::string, std::less<>> messages{
        // Stat lines and skills.
        "No CPs left",
        "you can't raise this skill any higher",
        "You must raise your Dexterity first",
        "You must raise your Intelligence first",
        "You must raise your Willpower first",
        "You must raise your Perception first",
        "You must raise your Charisma first",
        "can't lower due to tech purchased",
        "can't lower due to spells purchased",
        // Spells and schematics.
        "No CPs left!",
        "min. requirement, level 5, not met",
        "min. requirement, level 10, not met",
        "min. requirement, level 15, not met",
        "you already have that one!",
        "you must raise your Willpower",
        "need previuos spell in college",
        "need previous spell in college",
        "you must raise your Intelligence",
        "Need previous Schematic in field",
        // Backgrounds and the sheet file.
        "Not available for this race/gender",
        std::string(save_failure_lead),  // followed by ": " and the reason
    };
    return messages;
}

::testing::AssertionResult aptitude_follows_purchases(const Form1& form)
{
    double tech_ranks = 0;
    for (const SkillLine& line : form.skill_lines())
        if (line.row.group == SkillGroup::tech) tech_ranks += line.counter;
    const double total = 5.0 * form.spellcount - 5.0 * form.techcount - 4 * tech_ranks + form.raceaptitude;
    const Color colour = aptitude_colour(total);
    const std::string text = box_text(std::min(std::abs(total), 100.0));
    const std::int16_t race = form.raceaptitude;
    const auto race_gives = [race](const RaceRow& row) { return row.raceaptitude == race; };
    if (std::none_of(race_table.begin(), race_table.end(), race_gives))
        return ::testing::AssertionFailure() << "raceaptitude is " << race << ", which no race gives";
    if (form.aptitudetotal != total)
        return ::testing::AssertionFailure() << "aptitudetotal is " << form.aptitudetotal << ", purchases give "
                                             << total;
    if (form.aptitude.text != text || form.aptitude.back_color != colour)
        return ::testing::AssertionFailure() << "aptitude shows " << quoted(form.aptitude.text) << " on "
                                             << color_text(form.aptitude.back_color) << " for a total of " << total;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult one_list_pair_shown(const Form1& form)
{
    const bool magick = form.Magick_list.visible;
    const bool tech = form.Tech_list.visible;
    if (form.Spell_list.visible != magick || form.Schematic_list.visible != tech || magick == tech)
        return ::testing::AssertionFailure() << "shown: Magick_list " << magick << ", Spell_list "
                                             << form.Spell_list.visible << ", Tech_list " << tech
                                             << ", Schematic_list " << form.Schematic_list.visible;
    const std::string_view caption = magick ? "Spells" : "Schematics";
    if (form.Spelltechindicator.caption != caption)
        return ::testing::AssertionFailure() << "Spelltechindicator reads " << quoted(form.Spelltechindicator.caption)
                                             << " over the " << (magick ? "Magick" : "Tech") << " lists";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult level_in_range(const Form1& form)
{
    const double level = form.Clevel.value();
    if (level < 1 || level > 50 || level != std::floor(level) || form.Clevel.text != box_text(level))
        return ::testing::AssertionFailure() << "Clevel reads " << quoted(form.Clevel.text);
    return ::testing::AssertionSuccess();
}

bool is_save_failure(std::string_view message)
{
    return message.size() > save_failure_lead.size() + 2 && message.starts_with(save_failure_lead) &&
           message.substr(save_failure_lead.size()).starts_with(": ");
}

::testing::AssertionResult message_is_the_programs_own(const Form1& form)
{
    const std::string& message = form.message_window.text;
    const bool known = is_save_failure(message) || (message != save_failure_lead && programs_messages().contains(message));
    if (!message.empty() && !known)
        return ::testing::AssertionFailure() << "message_window holds " << quoted(message);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult points_bought_not_negative(const Form1& form)
{
    if (form.cphitpoints < 0 || form.cpfatigue < 0)
        return ::testing::AssertionFailure() << "cphitpoints " << form.cphitpoints << ", cpfatigue " << form.cpfatigue;
    return ::testing::AssertionSuccess();
}

SheetBonuses SheetBonuses::of(const Form1& form)
{
    SheetBonuses bonuses;
    const auto& attributes = form.attribute_lines();
    for (std::size_t i = 0; i < attribute_count; ++i)
        bonuses.attributes[i] = attributes[i].adjusted.value() - attributes[i].base.value();
    const auto& skills = form.skill_lines();
    for (std::size_t i = 0; i < skill_count; ++i) bonuses.skills[i] = skills[i].box.value() - skills[i].counter;
    return bonuses;
}

::testing::AssertionResult derived_statistics_follow(const Form1& form, bool race_applied)
{
    const double st = form.Adjstrength.value();
    const double dx = form.Adjdexterity.value();
    const bool st_follows =
        form.Carryweight.text == box_text(carry_weight(st)) && form.Damagebonus.text == box_text(damage_bonus(st));
    const bool dx_follows =
        form.ACadj.text == box_text(armour_adjustment(dx)) && form.Speed.text == box_text(speed(dx));
    const bool st_at_start = form.Carryweight.text == "000" && form.Damagebonus.text == "00";
    const bool dx_at_start = form.ACadj.text == "00" && form.Speed.text == "00";
    if (!st_follows && (race_applied || !st_at_start))
        return ::testing::AssertionFailure() << "Adjusted ST " << st << " with Carryweight "
                                             << quoted(form.Carryweight.text) << " and Damagebonus "
                                             << quoted(form.Damagebonus.text);
    if (!dx_follows && (race_applied || !dx_at_start))
        return ::testing::AssertionFailure() << "Adjusted DX " << dx << " with ACadj " << quoted(form.ACadj.text)
                                             << " and Speed " << quoted(form.Speed.text);
    return ::testing::AssertionSuccess();
}

bool line_starts_new_character(std::string_view script_line)
{
    std::istringstream words{std::string(script_line)};
    std::string command, control;
    words >> command >> control;
    return command == "dblclick" && (control == "Race_Selection" || control == "Background_Selection");
}

InvariantTracker::InvariantTracker(const Form1& started) : bonuses_(SheetBonuses::of(started)) {}

std::optional<std::string> InvariantTracker::after_event(const Form1& form, bool new_character)
{
    if (new_character) {
        bonuses_ = SheetBonuses::of(form);
        race_applied_ = true;
    }
    const auto bonuses_kept = [this](const Form1& now) -> ::testing::AssertionResult {
        if (SheetBonuses::of(now) == bonuses_) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "an Adjusted attribute or a skill box moved apart from what was "
                                                "bought on it since the last race or background";
    };
    const auto derived = [this](const Form1& now) { return derived_statistics_follow(now, race_applied_); };

    using Check = std::function<::testing::AssertionResult(const Form1&)>;
    const std::array<std::pair<std::string_view, Check>, 12> checks{{
        {"CP pool", pool_matches_display},
        {"attribute Base", attribute_bases_follow_counters},
        {"hit points and fatigue", hitpoints_and_fatigue_follow_formula},
        {"skills", skill_colours_follow_counters},
        {"purchases", purchase_invariants_hold},
        {"aptitude", aptitude_follows_purchases},
        {"list pair", one_list_pair_shown},
        {"level", level_in_range},
        {"message", message_is_the_programs_own},
        {"points bought", points_bought_not_negative},
        {"bonuses", bonuses_kept},
        {"derived statistics", derived},
    }};
    for (const auto& [name, check] : checks) {
        ++checked_;
        ::testing::AssertionResult result = check(form);
        if (!result) return std::string(name) + ": " + result.message();
    }
    return std::nullopt;
}

}  // namespace tessmar
