// The checks that the random sequences rely on, tried where the answer is known:
// UTF-8 validation, and the sheet shape check on a sheet written out by hand
// for the start window, intact and with one fault at a time.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "form_fixture.h"
#include "random_events.h"
#include "sheet_file_shape.h"
#include "start_sheet.h"

namespace tessmar {
namespace {

TEST(Utf8, AcceptsWellFormedTextOnly)
{
    const struct {
        std::string bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {"Name:  Aldric\r\n", true},
        {"\xC3\xA9", true},                  // é
        {"\xE5\xB1\xB1", true},              // 山
        {"\xF0\x9F\x90\x89", true},          // 🐉
        {"\xF4\x8F\xBF\xBF", true},          // U+10FFFF
        {"\xA9", false},                     // a continuation byte alone
        {"\xC3", false},                     // cut short at the end
        {"\xE5\xB1", false},                 // cut short at the end
        {"\xC3(", false},                    // no continuation byte
        {"\xC0\xAF", false},                 // overlong
        {"\xE0\x80\xAF", false},             // overlong
        {"\xED\xA0\x80", false},             // a surrogate
        {"\xF4\x90\x80\x80", false},         // above U+10FFFF
        {"\xFF", false},
    };
    for (const auto& c : cases) EXPECT_EQ(valid_utf8(c.bytes), c.valid) << testing::PrintToString(c.bytes);
}

// The sheet of the start window with both typed fields empty.
std::string start_sheet() { return crlf_lines(start_state_lines()); }

void replace_once(std::string& text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

class SheetShape : public FormFixture {};

TEST_F(SheetShape, AcceptsTheSheetOfTheWindowAndNoDamagedOne)
{
    ASSERT_TRUE(sheet_file_matches(start_sheet(), form));

    const struct {
        const char* fault;
        std::function<void(std::string&)> damage;
    } cases[] = {
        {"LF line ends",
         [](std::string& s) {
             for (std::size_t at; (at = s.find("\r\n")) != std::string::npos;) s.erase(at, 1);
         }},
        {"no line end after the last line", [](std::string& s) { s.resize(s.size() - 2); }},
        {"a lone CR inside a line", [](std::string& s) { replace_once(s, "Name:  ", "Name:  \r"); }},
        {"a line too many", [](std::string& s) { s += "\r\n"; }},
        {"the last line missing", [](std::string& s) { s.resize(s.size() - 2); s.resize(s.rfind("\r\n") + 2); }},
        {"a right label one column late", [](std::string& s) { replace_once(s, " Intelligence:", "  Intelligence:"); }},
        {"a zone of tabs",
         [](std::string& s) { replace_once(s, "Bow:         0" + std::string(28, ' '), "Bow:         0\t\t"); }},
        {"a value other than the box's", [](std::string& s) { replace_once(s, "Hitpoints: 30", "Hitpoints: 31"); }},
        {"another bias word", [](std::string& s) { replace_once(s, "(neutral)", "(magick biased)"); }},
        {"a byte that is not UTF-8", [](std::string& s) { replace_once(s, "Name:  ", "Name:  \xC3"); }},
    };
    for (const auto& c : cases) {
        std::string damaged = start_sheet();
        c.damage(damaged);
        EXPECT_FALSE(sheet_file_matches(damaged, form)) << c.fault;
    }
}

TEST_F(SheetShape, FollowsTypedTextAndBoughtItemsInOrder)
{
    form.PCname.type("Þórunn 🐉");
    form.alternativebackground.type("first\nsecond");
    form.purchased.add_item("Unseen Force");
    form.purchased.add_item("Charges");
    std::string sheet = start_sheet();
    replace_once(sheet, "Name:  \r\n", "Name:  Þórunn 🐉\r\n");
    replace_once(sheet, "Alternative Background: \r\n", "Alternative Background: first\r\nsecond\r\n");
    EXPECT_TRUE(sheet_file_matches(sheet + "Unseen Force\r\nCharges\r\n", form));
    EXPECT_FALSE(sheet_file_matches(sheet + "Charges\r\nUnseen Force\r\n", form));
    EXPECT_FALSE(sheet_file_matches(sheet + "Unseen Force\r\n", form));
}

TEST(KeptOfTyping, KeepsWhatFitsTheBox)
{
    TextBox name("PCname");
    name.multi_line = false;
    name.max_length = 3;
    TextBox free_text("alternativebackground");
    free_text.multi_line = true;
    free_text.max_length = 3;
    const struct {
        const TextBox& box;
        std::string typed;
        std::string kept;
    } cases[] = {
        {name, "abcd", "abc"},
        {name, "a\nb", "ab"},
        {name, "🐉é山x", "🐉é山"},
        {free_text, "\nb", "\r\nb"},
        {free_text, "a\nb", "a\r\n"},
        {free_text, "ab\nc", "abc"},  // the line break does not fit whole, the c does
        {free_text, "👩‍🔬x", "👩‍🔬"},  // three code points
    };
    for (const auto& c : cases) EXPECT_EQ(kept_of_typing(c.box, c.typed), c.kept) << c.typed;
}

}  // namespace
}  // namespace tessmar
