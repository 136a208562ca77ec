#include <cstdio>
#include <iostream>

#include "app/program.h"
#include "app/script/headless_run.h"

int main(int argc, char** argv) {
    const auto options = vx::script::parseCommandLine(argc, argv);
    if (const std::string* usage = std::get_if<std::string>(&options)) {
        std::cerr << "vetrix: " << *usage << "\n"
                  << "usage: vetrix --headless --script FILE [--dir FOLDER] [--today dd.mm.yyyy]\n";
        return 2;
    }
    if (const auto* headless = std::get_if<vx::script::HeadlessOptions>(&options))
        return vx::script::runHeadless(*headless, vx::script::programWindows(), std::cout, std::cerr);

    vx::app::processAttach();
    const int status = vx::app::runProgram([] {
        std::puts("vetrix: start-up done (process-wide objects, INI file, data managers);"
                  " the window engine is not built yet, so the program ends here.");
    });
    vx::app::processDetach();
    return status;
}
