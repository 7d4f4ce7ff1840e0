// The magick/tech aptitude: +5 per spell, -5 per schematic, -4 per purchased
// rank of a Tech skill, plus the race's part; shown as a magnitude capped at
// 100 on a back colour that tells the bias.
#include <cmath>
#include <cstdint>

#include "sheet/skill_lines.h"
#include "window/form1.h"

namespace tessmar {

void Form1::displayaptitude()
{
    spellaptitude = static_cast<std::int16_t>(5 * spellcount);
    techaptitude = static_cast<std::int16_t>(-5 * techcount);
    double tech_ranks = 0;
    for (const SkillLine& line : skill_lines_)
        if (line.row.group == SkillGroup::tech) tech_ranks += -4.0 * line.counter;
    techskillaptitude = static_cast<std::int16_t>(std::nearbyint(tech_ranks));  // halves to even
    const auto total = static_cast<std::int16_t>(techaptitude + spellaptitude + techskillaptitude + raceaptitude);
    aptitudetotal = static_cast<float>(total);

    if (aptitudetotal > 0) aptitude.back_color = magickcolor;
    if (aptitudetotal < 0) aptitude.back_color = techcolor;
    if (aptitudetotal == 0) aptitude.back_color = whitecolor;

    aptitude.set_value(std::fabs(aptitudetotal));
    if (aptitude.value() > 100) aptitude.text = "100";
}

}  // namespace tessmar
