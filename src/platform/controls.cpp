// Behaviour of the control model: typing limits, list order and list events.
#include "platform/controls.h"

#include <algorithm>
#include <cctype>

#include "platform/box_value.h"
#include "platform/utf8.h"

namespace tessmar {

double TextBox::value() const { return box_number(text); }

void TextBox::set_value(double v) { text = box_text(v); }

namespace {

// One character of a text as the box sees it: a line break ("\r\n", "\n" or a
// lone "\r"), a valid UTF-8 sequence, or a single byte that is part of none.
struct Character {
    std::size_t bytes;
    bool line_break;
    bool valid;
};

Character character_at(std::string_view text, std::size_t i)
{
    if (text[i] == '\r') return {i + 1 < text.size() && text[i + 1] == '\n' ? 2u : 1u, true, true};
    if (text[i] == '\n') return {1, true, true};
    const std::size_t length = valid_sequence_length(text, i);
    return length > 0 ? Character{length, false, true} : Character{1, false, false};
}

// The length that counts against a box's maximum: code points, a line break two.
long long counted_length(std::string_view text)
{
    long long counted = 0;
    for (std::size_t i = 0; i < text.size();) {
        const Character c = character_at(text, i);
        counted += c.line_break ? 2 : 1;
        i += c.bytes;
    }
    return counted;
}

// The byte offset that lies `positions` caret steps after byte offset `from`,
// or the end of the text.
std::size_t offset_after(std::string_view text, std::size_t from, std::size_t positions)
{
    std::size_t i = from;
    for (; positions > 0 && i < text.size(); --positions) i += character_at(text, i).bytes;
    return i;
}

}  // namespace

std::string TextBox::fitting(std::string_view current, std::size_t at, std::size_t removed,
                             std::string_view inserted) const
{
    const std::size_t begin = offset_after(current, 0, at);
    const std::size_t end = offset_after(current, begin, removed);
    long long room = max_length > 0
                         ? max_length - counted_length(current.substr(0, begin)) - counted_length(current.substr(end))
                         : -1;
    const auto take = [&](int counted) {
        if (max_length <= 0) return true;
        if (room < counted) return false;
        room -= counted;
        return true;
    };

    std::string taken;
    for (std::size_t i = 0; i < inserted.size();) {
        const Character c = character_at(inserted, i);
        if (c.line_break) {
            // Not taken in a one-line box, nor where it does not fit whole; what
            // follows may still fit.
            if (multi_line && take(2)) taken += "\r\n";
        } else {
            if (!take(1)) break;
            taken += c.valid ? inserted.substr(i, c.bytes) : replacement_character;
        }
        i += c.bytes;
    }
    return taken;
}

std::size_t TextBox::edit(std::size_t at, std::size_t removed, std::string_view inserted)
{
    const std::size_t begin = offset_after(text, 0, at);
    const std::size_t end = offset_after(text, begin, removed);
    const std::string taken = fitting(text, at, removed, inserted);
    // The caret stands after the taken text.
    std::size_t caret = 0;
    for (std::size_t i = 0; i < begin; i += character_at(text, i).bytes) ++caret;
    for (std::size_t i = 0; i < taken.size(); i += character_at(taken, i).bytes) ++caret;
    text.replace(begin, end - begin, taken);
    return caret;
}

void TextBox::type(std::string_view typed)
{
    edit(0, text.size(), typed);  // no text holds more characters than bytes
}

void TextBox::say(std::string message)
{
    text = std::move(message);
    ++said_;
}

bool sorted_list_less(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        while (i < a.size() && a[i] == '-') ++i;
        while (j < b.size() && b[j] == '-') ++j;
        if (i == a.size() || j == b.size()) return i == a.size() && j != b.size();
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb) return ca < cb;
        ++i;
        ++j;
    }
}

void ListBox::clear()
{
    items_.clear();
    selected_ = -1;
}

void ListBox::add_item(std::string item)
{
    if (!sorted) {
        items_.push_back(std::move(item));
        return;
    }
    auto where = std::upper_bound(items_.begin(), items_.end(), item,
                                  [](const std::string& a, const std::string& b) { return sorted_list_less(a, b); });
    int at = static_cast<int>(where - items_.begin());
    items_.insert(where, std::move(item));
    if (selected_ >= at) ++selected_;
}

void ListBox::set_list_index(int index)
{
    selected_ = (index >= 0 && index < count()) ? index : -1;
    if (on_click) on_click();
}

void ListBox::user_double_click(int index)
{
    user_click(index);
    if (on_double_click) on_double_click();
}

}  // namespace tessmar
