// The character sheet text: its fixed lines and the bought items, composed from
// what the window shows, and the print-zone layout its lines use.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessmar {

class Form1;
class TextBox;

// Builds text line by line. Items are joined directly or by a move to the next
// print zone (zones of 14 columns, starting at columns 1, 15, 29, ...).
class SheetPrinter {
public:
    static constexpr std::size_t zone_width = 14;

    // Appends the item as it stands; a line break inside it (CR LF, or a lone
    // CR or LF) is written as CR LF and starts the count of a new line.
    SheetPrinter& print(std::string_view item);
    // Blanks up to the next zone start; at a zone boundary (also at the start
    // of a line) a full zone of 14.
    SheetPrinter& zone();
    // Ends the line with CR LF.
    SheetPrinter& end_line();

    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::size_t column_ = 0;  // characters (code points) already on the line
};

// The bias word that the aptitude box's back colour stands for; empty for a
// colour that stands for none.
std::string aptitude_bias_word(const TextBox& aptitude);

// The whole sheet as it is written to the file: 35 fixed lines, then one line
// per bought item in purchase order, every line ending in CR LF. Boxes and
// captions are written exactly as they stand.
std::string compose_character_sheet(const Form1& form, std::string_view bias_word);

}  // namespace tessmar
