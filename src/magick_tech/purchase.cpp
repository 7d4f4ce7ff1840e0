// Buying one spell or schematic.
#include "magick_tech/purchase.h"

namespace tessmar {

void buy_item(Form1& form, const ListBox& list, int index, std::int16_t& owned, std::int16_t& count)
{
    form.purchased.add_item(list.item(index));
    form.cpsleft = static_cast<std::int16_t>(form.cpsleft - 1);
    form.CPs_remaining.set_value(form.CPs_remaining.value() - 1);
    owned = flag_true;
    count = static_cast<std::int16_t>(count + 1);
    form.displayaptitude();
}

}  // namespace tessmar
