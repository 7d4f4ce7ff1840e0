// Behaviour of the control model: typing limits, list order and list events.
#include "platform/controls.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/box_value.h"

namespace tessmar {

std::string color_text(Color c)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&H%08X&", static_cast<unsigned>(c));
    return buffer;
}

double TextBox::value() const { return box_number(text); }

void TextBox::set_value(double v) { text = box_text(v); }

namespace {

// Length in bytes of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t utf8_length(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

void TextBox::type(std::string_view typed)
{
    std::string kept;
    std::size_t counted = 0;
    const auto fits = [&](std::size_t n) { return max_length <= 0 || counted + n <= static_cast<std::size_t>(max_length); };
    std::size_t i = 0;
    while (i < typed.size()) {
        if (typed[i] == '\r' || typed[i] == '\n') {
            // One press of Enter: "\r\n", "\n" or a lone "\r".
            std::size_t len = (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') ? 2 : 1;
            i += len;
            if (!multi_line) continue;
            if (!fits(2)) continue;  // not taken, but what follows may still fit
            kept += "\r\n";
            counted += 2;
            continue;
        }
        std::size_t len = std::min(utf8_length(static_cast<unsigned char>(typed[i])), typed.size() - i);
        if (!fits(1)) break;
        kept.append(typed.substr(i, len));
        counted += 1;
        i += len;
    }
    text = std::move(kept);
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
    auto place = std::upper_bound(items_.begin(), items_.end(), item,
                                  [](const std::string& a, const std::string& b) { return sorted_list_less(a, b); });
    int at = static_cast<int>(place - items_.begin());
    items_.insert(place, std::move(item));
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
