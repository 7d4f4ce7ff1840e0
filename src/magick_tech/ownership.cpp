// The ownership tables of spells and schematics, their resets, and the checks
// that keep Base Willpower and Intelligence up to what owned items need.
#include "magick_tech/item_kinds.h"
#include "platform/box_value.h"
#include "window/form1.h"

namespace tessmar {

namespace {

template <class Kind>
void own_nothing(Form1& form, const Kind& kind)
{
    for (auto& group : form.*kind.owned) group.fill(flag_false);
}

// ok is False when a point less than current would leave an owned item short of
// what it needs, True otherwise; every owned item is checked.
template <class Kind>
void check_owned_needs(const Form1& form, const Kind& kind, std::string_view current, std::int16_t& ok)
{
    const double value = box_number(current);
    for (const auto& group : form.*kind.owned) {
        for (std::size_t position = 0; position < group.size(); ++position) {
            if (group[position] != flag_false && value - 1 < kind.needed(position)) {
                ok = flag_false;
                return;
            }
        }
    }
    ok = flag_true;
}

}  // namespace

void Form1::reset_spells() { own_nothing(*this, spell_kind); }
void Form1::reset_tech() { own_nothing(*this, schematic_kind); }

void Form1::spellprecheck(std::string_view currentwill, std::int16_t& ok)
{
    check_owned_needs(*this, spell_kind, currentwill, ok);
}

void Form1::techprecheck(std::string_view currentint, std::int16_t& ok)
{
    check_owned_needs(*this, schematic_kind, currentint, ok);
}

}  // namespace tessmar
