// Derived statistics: armour class adjustment, damage bonus, speed, carry
// weight, hit points and fatigue, each recomputed from the Adjusted attributes
// when a caller asks. refresh_derived_statistics refreshes the first four for
// the ST and DX lines, the race step and the background step; hit points and
// fatigue start again from their formula only when a race or background is
// applied (hpsandfatadj).
#include "window/form1.h"

namespace tessmar {

// Each of these reads only Adjusted boxes and its own box and writes only its
// own box, so the order among them changes no result; it is ST's pair first.
void Form1::refresh_derived_statistics(Derived which)
{
    const auto includes = [which](Derived part) {
        return (static_cast<unsigned>(which) & static_cast<unsigned>(part)) != 0;
    };
    if (includes(Derived::of_strength)) {
        Carryweight.set_value(Adjstrength.value() * 500);
        damageadj();
    }
    if (includes(Derived::of_dexterity)) {
        Armoradj();
        Speeddisplay();
    }
}

void Form1::Armoradj() { ACadj.set_value(Adjdexterity.value() - 10); }

void Form1::damageadj()
{
    const double strength = Adjstrength.value();
    if (strength == 9 || strength == 10) {
        Damagebonus.text = "0";
    } else if (strength > 10) {
        Damagebonus.set_value(strength - 10);
        // At 20 or more the bonus doubles up: ten more on what was just written.
        if (strength >= 20) Damagebonus.set_value(Damagebonus.value() + 10);
    } else if (strength >= 7) {
        Damagebonus.text = "-1";
    } else if (strength >= 5) {
        Damagebonus.text = "-2";
    } else if (strength >= 3) {
        Damagebonus.text = "-3";
    } else {
        Damagebonus.text = "-4";
    }
}

void Form1::Speeddisplay()
{
    Speed.text = Adjdexterity.text;  // copied as it stands
    if (Adjdexterity.value() >= 20) Speed.set_value(Speed.value() + 5);
}

void Form1::hpsandfatadj()
{
    const double will = Adjwillpower.value();
    const double strength = Adjstrength.value();
    const double constitution = Adjconstitution.value();
    hitpoints.set_value(will + 6 + 2 * strength);
    fatigue.set_value(will + 6 + 2 * constitution);
}

}  // namespace tessmar
