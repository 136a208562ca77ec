#include <QApplication>
#include <iostream>

#include "app/frame/main_frame.h"
#include "app/frame/user_start.h"
#include "app/program.h"
#include "app/program_windows.h"
#include "app/script/headless_run.h"
#include "platform/pages/pdf_output.h"
#include "platform/qt/front_end.h"
#include "platform/qt/page_painter.h"
#include "platform/runtime/threads.h"

namespace {

// The frame in a real window, its start folder in the user's data folder.
int runForUser(int argc, char** argv) {
    if (const auto why = vx::frame::missingDisplay()) {
        std::cerr << "vetrix: " << *why << "\n";
        return 1;
    }
    if (const auto why = vx::frame::enterStartFolder(vx::frame::userDataFolder())) {
        std::cerr << "vetrix: " << *why << "\n";
        return 1;
    }
    QApplication application(argc, argv);
    vx::app::processAttach();
    int status = 0;
    {
        vx::qt::QtFrontEnd frontEnd;
        vx::rt::startThread([] { vx::app::programMain([] { vx::frame::Main(vx::app::programWindows()); }); }, 0);
        status = frontEnd.run();
    }
    vx::app::processDetach();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    vx::pages::setPdfWriter(vx::qt::writePdf);
    const auto options = vx::script::parseCommandLine(argc, argv);
    if (const std::string* usage = std::get_if<std::string>(&options)) {
        std::cerr << "vetrix: " << *usage << "\n"
                  << "usage: vetrix                (the program in a window)\n"
                  << "       vetrix --headless --script FILE [--dir FOLDER] [--today dd.mm.yyyy]\n";
        return 2;
    }
    if (const auto* headless = std::get_if<vx::script::HeadlessOptions>(&options))
        return vx::script::runHeadless(*headless, vx::app::programWindows(), std::cout, std::cerr);
    return runForUser(argc, argv);
}
