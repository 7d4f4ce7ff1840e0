// sheet-driver: runs scenario scripts against the planner's window logic,
// without a display. Each file starts from a fresh window; no file, or "-",
// reads standard input.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

#include "scenario.h"

int main(int argc, char** argv)
{
    // A save past a file-size limit fails and is reported, as any other failed
    // save, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    using namespace tessmar;
    int status = scenario_passed;
    auto run = [&status](std::istream& script, const std::string& name) {
        ScenarioStatus result = run_scenario(script, name, std::cout, std::cerr);
        if (result > status) status = result;
        return result != scenario_error;
    };
    if (argc < 2) {
        run(std::cin, "-");
        return status;
    }
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        if (name == "-") {
            if (!run(std::cin, name)) break;
            continue;
        }
        // A folder opens like a file here but reads as empty: refuse it.
        std::error_code ignored;
        if (std::filesystem::is_directory(name, ignored)) {
            std::cerr << name << ":0: is a folder, not a script\n";
            return scenario_error;
        }
        std::ifstream script(name, std::ios::binary);
        if (!script) {
            std::cerr << name << ":0: cannot read the script\n";
            return scenario_error;
        }
        if (!run(script, name)) break;
    }
    return status;
}
