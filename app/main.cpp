// tessmar-planner: opens the planner's window and runs until it is closed or Quit is pressed.
#include "run_planner.h"

int main(int argc, char** argv) { return tessmar::run_planner(argc, argv); }
