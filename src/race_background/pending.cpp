// Race and background rules: not built yet.
#include "window/form1.h"

namespace tessmar {

void Form1::Race_Selection_Click() {}
void Form1::Race_Selection_DblClick() {}
void Form1::Background_Selection_Click() {}
void Form1::Background_Selection_DblClick() {}
void Form1::RaceSelection() {}
void Form1::race_descriptions() {}
void Form1::backgroundselection() {}
void Form1::checkbackgroundrestriction() {}
void Form1::showbackgroundinfo() {}

}  // namespace tessmar
