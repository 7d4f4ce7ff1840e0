// Box values, typing limits and the sorted list order of the control model.
#include <gtest/gtest.h>

#include <array>

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
    ASSERT_EQ(list.count(), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(list.item(i), expected[static_cast<std::size_t>(i)]) << i;
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

}  // namespace
}  // namespace tessmar
