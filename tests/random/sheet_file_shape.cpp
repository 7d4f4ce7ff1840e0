// The saved sheet's lines, each told as a literal or as two label-and-value
// items in print zones of 14 columns, and the check of a file against them.
#include "sheet_file_shape.h"

#include <string>
#include <variant>
#include <vector>

#include "scenario.h"

namespace tessmar {

namespace {

constexpr std::size_t zone_width = 14;

std::size_t code_points(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

// Two items on one line: the right one starts after `zones` moves to the next
// print zone from the end of the left one.
struct ZonedLine {
    std::string left;
    std::size_t zones;
    std::string right;
};
using SheetLine = std::variant<std::string, ZonedLine>;

std::string bias_word(Color colour)
{
    if (colour == magickcolor) return "(magick biased)";
    if (colour == techcolor) return "(tech biased)";
    if (colour == whitecolor) return "(neutral)";
    return "";
}

std::vector<SheetLine> expected_lines(const Form1& form)
{
    const auto pair = [](std::string_view label, const TextBox& box, std::string_view right_label,
                         const TextBox& right) {
        return ZonedLine{std::string(label) + box.text, 2, std::string(right_label) + right.text};
    };
    std::vector<SheetLine> lines{
        "Name:  " + form.PCname.text,
        ZonedLine{"Race:  " + form.Current_race.caption, 1, "Background:  " + form.Current_background.caption},
        "",
        ZonedLine{"Level:  " + form.Clevel.text, 2,
                  "Aptitude: " + form.aptitude.text + "  " + bias_word(form.aptitude.back_color)},
        "",
    };
    // The alternative background keeps its own line breaks.
    std::string_view alternative = form.alternativebackground.text;
    std::string first = "Alternative Background: ";
    for (std::size_t end; (end = alternative.find("\r\n")) != std::string_view::npos;) {
        lines.push_back(first + std::string(alternative.substr(0, end)));
        first.clear();
        alternative.remove_prefix(end + 2);
    }
    lines.push_back(first + std::string(alternative));
    const std::vector<SheetLine> rest{
        "",
        "                  Primary Statistics",
        "",
        pair("Strength:      ", form.Adjstrength, "Intelligence:  ", form.Adjintelligence),
        pair("Constitution:  ", form.Adjconstitution, "Willpower:     ", form.Adjwillpower),
        pair("Dexterity:     ", form.Adjdexterity, "Perception:    ", form.Adjperception),
        pair("Beauty:        ", form.Adjbeauty, "Charisma:      ", form.Adjcharisma),
        "",
        "Hitpoints: " + form.hitpoints.text + "      Fatigue: " + form.fatigue.text,
        "",
        pair("Carry Weight: ", form.Carryweight, "Damage Bonus: ", form.Damagebonus),
        "",
        pair("Armor Class adj.: ", form.ACadj, "Speed: ", form.Speed),
        "",
        "",
        "                           Skills",
        "",
        pair("Bow:         ", form.bow, "Dodge:             ", form.dodge),
        pair("Melee:       ", form.melee, "Throwing:          ", form.throwing),
        pair("Backstab:    ", form.backstab, "Pick Pocket:       ", form.pickpocket),
        pair("Prowling:    ", form.prowling, "Spot Trap:         ", form.spottrap),
        pair("Gambling:    ", form.gambling, "Haggle:            ", form.haggle),
        pair("Heal:        ", form.heal, "Persuasion:        ", form.persuasion),
        pair("Repair:      ", form.repair, "Firearms:          ", form.firearms),
        pair("Pick Locks:  ", form.picklocks, "Arm/Disarm Traps:  ", form.adtraps),
        "",
        "",
        "   Spells/Schematics",
        "",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    for (const std::string& item : form.purchased.items()) lines.emplace_back(item);
    return lines;
}

// Why the line differs from what it should hold; empty when it holds it.
std::string line_fault(std::string_view line, const SheetLine& expected)
{
    if (const auto* literal = std::get_if<std::string>(&expected)) {
        if (line == *literal) return {};
        return "expected \"" + escape_value(*literal) + "\"";
    }
    const ZonedLine& zoned = std::get<ZonedLine>(expected);
    if (!line.starts_with(zoned.left)) return "does not start with \"" + escape_value(zoned.left) + "\"";
    const std::size_t used = code_points(zoned.left);
    const std::size_t column = used + (zone_width - used % zone_width) + zone_width * (zoned.zones - 1);
    const std::size_t blanks = column - used;
    const std::string_view gap = line.substr(zoned.left.size(), blanks);
    const std::string_view right = line.substr(std::min(line.size(), zoned.left.size() + blanks));
    if (gap != std::string(blanks, ' ') || right != zoned.right)
        return "expected \"" + escape_value(zoned.right) + "\" from column " + std::to_string(column + 1);
    return {};
}

}  // namespace

bool valid_utf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
        const unsigned char lead = byte(i);
        std::size_t length;
        char32_t code;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F;
        else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0F;
        else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07;
        else return false;
        if (i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80) return false;
            code = (code << 6) | (byte(i + k) & 0x3F);
        }
        const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

::testing::AssertionResult sheet_file_matches(std::string_view bytes, const Form1& form)
{
    if (!valid_utf8(bytes)) return ::testing::AssertionFailure() << "the file is not valid UTF-8";
    if (!bytes.ends_with("\r\n")) return ::testing::AssertionFailure() << "the last line does not end in CR LF";
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        const std::string_view line = bytes.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string_view::npos)
            return ::testing::AssertionFailure() << "line " << lines.size() + 1 << " holds a CR or LF of its own: \""
                                                 << escape_value(line) << '"';
        lines.push_back(line);
        start = end + 2;
    }
    const std::vector<SheetLine> expected = expected_lines(form);
    if (lines.size() != expected.size())
        return ::testing::AssertionFailure() << "the file has " << lines.size() << " lines, expected "
                                             << expected.size() << " (35, " << form.purchased.count()
                                             << " bought items and the alternative background's own line breaks)";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string fault = line_fault(lines[i], expected[i]);
        if (!fault.empty())
            return ::testing::AssertionFailure() << "line " << i + 1 << " \"" << escape_value(lines[i]) << "\" "
                                                 << fault;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tessmar
