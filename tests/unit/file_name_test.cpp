// The Save As dialog's file names: the suffix rule, read in code points and
// Unicode's classes, the name proposed for a character and the blank names.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "sheet_file/file_name.h"

namespace tessmar {
namespace {

TEST(FileName, ANameKeepsItsOwnSuffixOrGetsTxt)
{
    struct Case {
        std::string_view name;
        bool keeps;
    };
    const Case cases[] = {
        {"hero", false},
        {"Sir J. Smith", false},  // " Smith" holds a blank
        {"hero.txt", true},
        {"hero.TXT", true},
        {"hero.sheet", true},
        {"notes.md", true},
        {"a.b.c", true},
        {"hero.tar.gz", true},
        {"x.", false},
        {"x..", false},
        {"Smith, Jr.", false},
        {"x.toolong", false},
        {"x.12345", true},
        {"x.123456", false},
        {"Tessmar v1.7", true},  // the rule's own reading: ".7" is a suffix
        {".hidden", false},
        {".md", false},  // a hidden file's name, not a suffix
        {"..md", true},
        {"hero.t_t", false},
        {"hero. txt", false},
        {"hero.txt ", false},
        {"Ærwen", false},
        {"Ærwen.größe", true},  // five letters
        {"héros.été", true},
        {"Кощей.лист", true},
        {"名前.テキスト", true},
        {"Ærwen.größer", false},  // six
        // Four bytes each, one letter each: three letters, then six.
        {"hero.\U0001D531\U0001D535\U0001D531", true},
        {"hero.\U0001D531\U0001D535\U0001D531\U0001D535\U0001D531\U0001D535", false},
        // "é" as e and a combining acute accent is one letter; a mark alone is none.
        {"x.cafe\u0301s", true},
        {"x.\u0301txt", false},
        {"hero.\U0001F642", false},  // an emoji is no letter
        {"hero.\u0663\u0664", true},  // Arabic-Indic digits are decimal digits
        {"hero.\u2160", false},        // a Roman numeral is a number, not a digit
        {"hero.\u093E", false},        // a vowel sign is a mark, with no letter before it
        {"hero.t\xFFt", false},        // a byte outside UTF-8 is no letter
    };
    for (const Case& c : cases) {
        EXPECT_EQ(has_own_suffix(c.name), c.keeps) << c.name;
        EXPECT_EQ(with_default_suffix(c.name, "txt"), std::string(c.name) + (c.keeps ? "" : ".txt")) << c.name;
    }
}

// Only the file name counts, and nothing is added without a suffix or a name.
TEST(FileName, TheSuffixGoesOnTheFileNameOfAPath)
{
    struct Case {
        std::string_view path, suffix, saved;
    };
    const Case cases[] = {
        {"/home/ann/Sir J. Smith", "txt", "/home/ann/Sir J. Smith.txt"},
        {"/home/ann.b/hero", "txt", "/home/ann.b/hero.txt"},
        {"/home/ann/sheets.md/hero.sheet", "txt", "/home/ann/sheets.md/hero.sheet"},
        {"/home/ann/", "txt", "/home/ann/"},
        {"/home/ann/hero", "", "/home/ann/hero"},
        {"", "txt", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(with_default_suffix(c.path, c.suffix), c.saved) << c.path;
}

TEST(FileName, TheNameProposedForACharacter)
{
    struct Case {
        std::string_view character_name, proposed;
    };
    const Case cases[] = {
        {"Sir J. Smith", "Sir J. Smith"},
        {"   Ann  ", "Ann"},
        {"\t Ann \t", "Ann"},
        {"Ann  de  Lee", "Ann  de  Lee"},  // blanks inside stay
        {"AC/DC", "AC_DC"},
        {"/", "_"},
        {"a\tb", "a_b"},  // a tab inside is a control character
        {std::string_view("a\0b", 3), "a_b"},
        {"a\x1b" "b\x7f", "a_b_"},
        {"a\u0085b\u009f", "a_b_"},  // C1
        {"Ærwen \U0001F642", "Ærwen \U0001F642"},
        {"名前", "名前"},
        {"h\xFFro\xC3", "h\uFFFDro\uFFFD"},
        {"", ""},
        {"   ", ""},
        {".", ""},
        {"..", ""},
        {" .. ", ""},
        {"...", "..."},
        {"./", "._"},
    };
    for (const Case& c : cases) EXPECT_EQ(proposed_file_name(c.character_name), c.proposed) << c.character_name;
}

TEST(FileName, ANameOfBlanksAndTheSuffixAloneIsBlank)
{
    struct Case {
        std::string_view name;
        bool blank;
    };
    const Case cases[] = {
        {"   ", true},       {"   .txt", true}, {" \t.txt  ", true}, {".txt", true},
        {"", false},         {" a ", false},    {"x.txt", false},     {"   .md", false},
        {"   .TXT", false},  {"  txt", false},  {" ..txt", false},    {" .txt.txt", false},
    };
    for (const Case& c : cases) EXPECT_EQ(is_blank_file_name(c.name, "txt"), c.blank) << '"' << c.name << '"';
    EXPECT_TRUE(is_blank_file_name("  ", ""));
    EXPECT_FALSE(is_blank_file_name(" .", ""));
}

}  // namespace
}  // namespace tessmar
