#include <cstdio>

#include "app/program.h"

int main() {
    vx::app::processAttach();
    const int status = vx::app::runProgram([] {
        std::puts("vetrix: start-up done (process-wide objects, INI file, data managers);"
                  " the window engine is not built yet, so the program ends here.");
    });
    vx::app::processDetach();
    return status;
}
