// The character sheet text: the fixed lines with their labels, the two-column
// rows of attributes, derived statistics and skills, and the bought items.
#include "sheet_file/character_sheet.h"

#include <cstddef>

#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"
#include "window/form1.h"

namespace tessmar {

SheetPrinter& SheetPrinter::print(std::string_view item)
{
    for (std::size_t i = 0; i < item.size(); ++i) {
        const char c = item[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < item.size() && item[i + 1] == '\n') ++i;
            end_line();
            continue;
        }
        text_ += c;
        // A UTF-8 continuation byte belongs to the character before it.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++column_;
    }
    return *this;
}

SheetPrinter& SheetPrinter::zone()
{
    const std::size_t blanks = zone_width - column_ % zone_width;
    text_.append(blanks, ' ');
    column_ += blanks;
    return *this;
}

SheetPrinter& SheetPrinter::end_line()
{
    text_ += "\r\n";
    column_ = 0;
    return *this;
}

std::string aptitude_bias_word(const TextBox& aptitude)
{
    std::string word;
    if (aptitude.back_color == magickcolor) word = "(magick biased)";
    if (aptitude.back_color == techcolor) word = "(tech biased)";
    if (aptitude.back_color == whitecolor) word = "(neutral)";
    return word;
}

namespace {

// A line of two label-and-value pairs, the right one two zones after the left.
struct TwoColumnRow {
    std::string_view left_label;
    const TextBox& left;
    std::string_view right_label;
    const TextBox& right;
};

void print_row(SheetPrinter& sheet, const TwoColumnRow& row)
{
    sheet.print(row.left_label).print(row.left.text).zone().zone();
    sheet.print(row.right_label).print(row.right.text).end_line();
}

}  // namespace

std::string compose_character_sheet(const Form1& form, std::string_view bias_word)
{
    SheetPrinter sheet;
    sheet.print("Name:  ").print(form.PCname.text).end_line();
    sheet.print("Race:  ").print(form.Current_race.caption).zone();
    sheet.print("Background:  ").print(form.Current_background.caption).end_line();
    sheet.end_line();
    sheet.print("Level:  ").print(form.Clevel.text).zone().zone();
    sheet.print("Aptitude: ").print(form.aptitude.text).print("  ").print(bias_word).end_line();
    sheet.end_line();
    sheet.print("Alternative Background: ").print(form.alternativebackground.text).end_line();
    sheet.end_line();
    sheet.print("                  Primary Statistics").end_line();
    sheet.end_line();
    static_assert(attribute_count % 2 == 0 && skill_count % 2 == 0, "the sheet prints its lines two to a row");
    // The attribute lines' left column beside their right column.
    const auto& attributes = form.attribute_lines();
    for (std::size_t i = 0; i < attribute_count / 2; ++i) {
        const auto& left = attributes[i];
        const auto& right = attributes[i + attribute_count / 2];
        print_row(sheet, {left.row.sheet_label, left.adjusted, right.row.sheet_label, right.adjusted});
    }
    sheet.end_line();
    sheet.print("Hitpoints: ").print(form.hitpoints.text).print("      Fatigue: ").print(form.fatigue.text).end_line();
    sheet.end_line();
    print_row(sheet, {"Carry Weight: ", form.Carryweight, "Damage Bonus: ", form.Damagebonus});
    sheet.end_line();
    print_row(sheet, {"Armor Class adj.: ", form.ACadj, "Speed: ", form.Speed});
    sheet.end_line();
    sheet.end_line();
    sheet.print("                           Skills").end_line();
    sheet.end_line();
    // The skill lines two by two, in their order.
    const auto& skills = form.skill_lines();
    for (std::size_t i = 0; i + 1 < skill_count; i += 2)
        print_row(sheet, {skills[i].row.sheet_label, skills[i].box, skills[i + 1].row.sheet_label, skills[i + 1].box});
    sheet.end_line();
    sheet.end_line();
    sheet.print("   Spells/Schematics").end_line();
    sheet.end_line();
    for (const std::string& item : form.purchased.items()) sheet.print(item).end_line();
    return sheet.text();
}

}  // namespace tessmar
