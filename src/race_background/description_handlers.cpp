// Showing the description of the highlighted race or background in the
// description box when its list is clicked.
#include <string>

#include "race_background/race_table.h"
#include "window/form1.h"

namespace tessmar {

void Form1::race_descriptions()
{
    const int race = Race_Selection.list_index();
    if (race >= 0 && race < static_cast<int>(race_count))
        background_explanations.text = std::string(race_table[static_cast<std::size_t>(race)].description);
}

void Form1::Race_Selection_Click() { race_descriptions(); }

void Form1::showbackgroundinfo()
{
    const int background = Background_Selection.list_index();
    if (background >= 0 && background < static_cast<int>(background_count))
        background_explanations.text = std::string(background_table[static_cast<std::size_t>(background)].description);
}

void Form1::Background_Selection_Click() { showbackgroundinfo(); }

}  // namespace tessmar
