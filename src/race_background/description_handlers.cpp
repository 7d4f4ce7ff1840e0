// Showing the description of the highlighted race or background in the
// description box when its list is clicked.
#include <string>

#include "race_background/race_table.h"
#include "window/form1.h"

namespace tessmar {

void Form1::race_descriptions()
{
    if (const auto race = Race_Selection.highlighted_row(race_count))
        background_explanations.text = std::string(race_table[*race].description);
}

void Form1::Race_Selection_Click() { race_descriptions(); }

void Form1::showbackgroundinfo()
{
    if (const auto background = Background_Selection.highlighted_row(background_count))
        background_explanations.text = std::string(background_table[*background].description);
}

void Form1::Background_Selection_Click() { showbackgroundinfo(); }

}  // namespace tessmar
