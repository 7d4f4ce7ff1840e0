// Box values, typing limits and the sorted list order of the control model.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/box_value.h"
#include "platform/controls.h"

namespace tessmar {
namespace {

TEST(BoxValue, ReadsWholeTextAsNumber)
{
    const std::array<std::pair<const char*, double>, 10> cases{{
        {"000", 0}, {"05", 5}, {"00", 0}, {"8", 8}, {"-2", -2}, {"0.5", 0.5}, {"-0.25", -0.25}, {"5.25", 5.25},
        {"4000", 4000}, {"", 0},
    }};
    for (auto [text, number] : cases) EXPECT_EQ(box_number(text), number) << '"' << text << '"';
}

TEST(BoxValue, WritesShortestDecimalText)
{
    const std::array<std::pair<double, const char*>, 9> cases{{
        {8, "8"}, {0.5, "0.5"}, {-0.25, "-0.25"}, {5.25, "5.25"}, {4000, "4000"}, {0, "0"}, {-0.0, "0"},
        {0.75, "0.75"}, {10000, "10000"},
    }};
    for (auto [number, text] : cases) EXPECT_EQ(box_text(number), text) << number;
}

TEST(SortedList, IgnoresCaseAndHyphens)
{
    ListBox list("races");
    list.sorted = true;
    for (const char* race : {"Dwarf/male", "Half-Elf/female", "Human/male", "Human/female", "Half-Elf/male",
                             "Elf/male", "Elf/female", "Half-Orc/male", "Half-Orc/female", "Gnome/male",
                             "Halfling/male", "Half-Ogre/male"})
        list.add_item(race);
    const std::array<const char*, 12> expected{"Dwarf/male",     "Elf/female",      "Elf/male",
                                               "Gnome/male",     "Half-Elf/female", "Half-Elf/male",
                                               "Halfling/male",  "Half-Ogre/male",  "Half-Orc/female",
                                               "Half-Orc/male",  "Human/female",    "Human/male"};
    ASSERT_EQ(list.count(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(list.item(static_cast<int>(i)), expected[i]) << i;
    EXPECT_TRUE(sorted_list_less("abc", "ABD"));
    EXPECT_FALSE(sorted_list_less("A-b", "ab"));
    EXPECT_FALSE(sorted_list_less("ab", "A-b"));
}

TEST(ListBox, SelectingFromCodeRunsClickEvenWhenUnchanged)
{
    ListBox list("list");
    list.add_item("a");
    list.add_item("b");
    int clicks = 0;
    int seen = -2;
    list.on_click = [&] {
        ++clicks;
        seen = list.list_index();
    };
    list.set_list_index(1);
    list.set_list_index(1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(seen, 1);
    std::string order;
    list.on_click = [&] { order += "click "; };
    list.on_double_click = [&] { order += "double"; };
    list.user_double_click(0);
    EXPECT_EQ(order, "click double");
    list.clear();
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_EQ(list.count(), 0);
}

TEST(TextBox, TypingKeepsWithinMaximumLength)
{
    struct Case {
        bool multi_line;
        int max_length;
        const char* typed;
        const char* kept;
    };
    const std::array<Case, 8> cases{{
        {false, 22, "abcdefghijklmnopqrstuvwxyz0123", "abcdefghijklmnopqrstuv"},
        {false, 22, "exactly twenty-two ch.", "exactly twenty-two ch."},
        {false, 5, "a\nb", "ab"},
        {true, 0, "one\ntwo", "one\r\ntwo"},
        {true, 0, "one\r\ntwo", "one\r\ntwo"},
        {true, 4, "ab\ncd", "ab\r\n"},
        {true, 3, "ab\ncd", "abc"},  // a line break that does not fit whole is not taken
        {false, 3, "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9\xC3\xA9"},  // code points, not bytes
    }};
    for (const Case& c : cases) {
        TextBox box("box");
        box.multi_line = c.multi_line;
        box.max_length = c.max_length;
        box.type(c.typed);
        EXPECT_EQ(box.text, c.kept) << c.typed;
    }
}

std::string repeated(std::string_view piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// Typing, pasting or dropping into a box at the caret: the text around the caret
// is never cut; of the new text the box takes what fits, in order.
TEST(TextBox, AnEditTakesWhatFitsAtTheCaretAndKeepsTheRest)
{
    struct Case {
        bool multi_line;
        int max_length;
        const char* before;
        std::size_t at;
        std::size_t removed;
        const char* inserted;
        const char* after;
        std::size_t caret;
    };
    const std::array<Case, 14> cases{{
        // A full box takes nothing, at its start, middle and end.
        {false, 5, "abcde", 0, 0, "QQ", "abcde", 0},
        {false, 5, "abcde", 2, 0, "QQ", "abcde", 2},
        {false, 5, "abcde", 5, 0, "QQ", "abcde", 5},
        {true, 8, "ab\r\ncd\r\n", 0, 0, "Q", "ab\r\ncd\r\n", 0},
        // What fits is taken at the caret; the end stays.
        {false, 5, "abc", 1, 0, "XYZ", "aXYbc", 3},
        {false, 5, "abcde", 1, 2, "XYZ", "aXYde", 3},  // the selection it replaces makes room
        {false, 5, "abcde", 1, 2, "", "ade", 1},
        // Positions count a line break as one step, the limit counts it as two.
        {true, 7, "ab\r\ncd", 3, 0, "\nX", "ab\r\nXcd", 4},
        {true, 0, "ab\r\ncd", 3, 1, "\r\n", "ab\r\n\r\nd", 4},
        {true, 0, "ab\r\ncd", 2, 1, "", "abcd", 2},
        // Code points, not bytes or UTF-16 units.
        {false, 22, "\xC3\xA6rwyn", 5, 0, " \xC3\xBE\xC3\xB3rsd\xC3\xB3ttir \xF0\x9F\x90\x89xyzw",
         "\xC3\xA6rwyn \xC3\xBE\xC3\xB3rsd\xC3\xB3ttir \xF0\x9F\x90\x89xyzw", 22},
        {false, 4, "a\xF0\x9F\x90\x89" "b", 2, 0, "\xF0\x9F\x90\x8A\xF0\x9F\x90\x8A",
         "a\xF0\x9F\x90\x89\xF0\x9F\x90\x8A" "b", 3},
        {false, 2, "a\xF0\x9F\x90\x89", 1, 1, "bc", "ab", 2},
        // A caret beyond the end stands at the end.
        {false, 0, "ab", 9, 3, "c", "abc", 3},
    }};
    for (const Case& c : cases) {
        TextBox box("box");
        box.multi_line = c.multi_line;
        box.max_length = c.max_length;
        box.text = c.before;
        EXPECT_EQ(box.edit(c.at, c.removed, c.inserted), c.caret) << c.before << " + " << c.inserted;
        EXPECT_EQ(box.text, c.after) << c.before << " + " << c.inserted;
    }
}

// What an edit would take, asked of a text that is not the box's own (a view's
// widget, whose line breaks are bare "\n"): the same rule as edit(), with the
// box's text left alone.
TEST(TextBox, FittingTellsWhatAnEditOfAnyTextWouldTake)
{
    struct Case {
        bool multi_line;
        int max_length;
        const char* current;
        std::size_t at;
        std::size_t removed;
        const char* inserted;
        const char* taken;
    };
    const std::array<Case, 7> cases{{
        {true, 9, "ab\ncd", 6, 0, "\nXYZ", "\r\nX"},   // a bare "\n" counts two, as CR LF does
        {true, 9, "ab\r\ncd", 6, 0, "\nXYZ", "\r\nX"},
        {true, 7, "ab\ncd", 3, 0, "\nXY", "X"},         // a line break that does not fit whole is left out
        {true, 5, "ab\ncd", 1, 3, "WXYZ", "WXY"},        // the replaced characters make room
        {false, 5, "abc", 0, 0, "1\n2\r\n3", "12"},     // no line break in a one-line box
        {false, 0, "abc", 3, 0, "\xF0" "x", "\xEF\xBF\xBD" "x"},
        {false, 5, "abcde", 2, 0, "Q", ""},
    }};
    for (const Case& c : cases) {
        TextBox box("box");
        box.multi_line = c.multi_line;
        box.max_length = c.max_length;
        box.text = "own text";
        EXPECT_EQ(box.fitting(c.current, c.at, c.removed, c.inserted), c.taken) << c.current << " + " << c.inserted;
        EXPECT_EQ(box.text, "own text");
    }
    // Of a huge offer, the room left.
    TextBox box("box");
    box.multi_line = true;
    box.max_length = 3000;
    const std::string huge(200000, 'x');
    EXPECT_EQ(box.fitting("AAA", 3, 0, huge), std::string(2997, 'x'));
}

// A byte that is not part of a valid UTF-8 sequence is kept, and counted, as one
// U+FFFD; it never takes the bytes after it along, so no line break slips into a
// one-line box and no box holds more than its limit.
TEST(TextBox, TypingTakesEachByteOutsideValidUtf8AsOneReplacementCharacter)
{
    const std::string bad = "\xEF\xBF\xBD";  // U+FFFD
    struct Case {
        bool multi_line;
        int max_length;
        std::string typed;
        std::string kept;
    };
    const std::vector<Case> cases{
        {false, 22, "Bob\xF0\nRace:  Forged", "Bob" + bad + "Race:  Forged"},
        {false, 22, repeated("\xF0" "abc", 30), repeated(bad + "abc", 5) + bad + "a"},
        {true, 3000, repeated("\xF0\n\n\n", 2000), repeated(bad + "\r\n\r\n\r\n", 428) + bad + "\r\n" + bad},
        {true, 3000, "A\xC3\nB", "A" + bad + "\r\nB"},
        {true, 0, "A\xC3\rB", "A" + bad + "\r\nB"},
        {false, 0, "\xE2\x82x", bad + bad + "x"},                  // a sequence cut short
        {false, 0, "\xED\xA0\x80", bad + bad + bad},               // a surrogate
        {false, 0, "\xC0\xAF", bad + bad},                        // an overlong form
        {false, 0, "\xF4\x90\x80\x80", bad + bad + bad + bad},    // beyond U+10FFFF
        {false, 0, "\xF8\x88\x80\x80\x80", repeated(bad, 5)},     // no lead byte at all
        {false, 3, "\x80\x80\x80\x80", repeated(bad, 3)},
        {false, 0, "\xF0\x9F\x90\x89\xEF\xBF\xBD\x7F", "\xF0\x9F\x90\x89\xEF\xBF\xBD\x7F"},  // valid as it is
        {false, 0, "ab\xF0", "ab" + bad},
    };
    for (const Case& c : cases) {
        TextBox box("box");
        box.multi_line = c.multi_line;
        box.max_length = c.max_length;
        box.type(c.typed);
        EXPECT_EQ(box.text, c.kept) << c.typed.substr(0, 40);
    }
}

}  // namespace
}  // namespace tessmar
