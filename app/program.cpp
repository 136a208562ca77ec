#include "app/program.h"

#include <memory>

#include "app/thread_failure.h"
#include "context/globals.h"
#include "dictionary/dictionary.h"
#include "platform/classes/ini_manager.h"
#include "platform/runtime/config_folder.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/shutdown.h"
#include "platform/runtime/threads.h"
#include "platform/store/record_file.h"
#include "platform/ui/dialogs.h"

namespace vx::app {

FuzzyMatcher FUZZYMATCHER;

namespace {
std::unique_ptr<rt::IniFile> iniManager;
ui::MessageBoxSink messageBoxes;
}  // namespace

void FuzzyMatcher::SetOption(int option, int value) {
    if (option == 1) caseInsensitive_ = value != 0;
    if (option == 2) wholeWords_ = value != 0;
}

rt::IniFile& INIMGR() { return *iniManager; }

void processAttach() {
    glo::initialise();
    FUZZYMATCHER = FuzzyMatcher{};
    iniManager = std::make_unique<rt::IniFile>(rt::configFile("vetrix.INI"));
    classes::useIniManager(&INIMGR());
    rt::GLOBALERRORS.setSink(&messageBoxes);
    rt::setExceptionHandler(reportThreadFailure);
    rt::addYieldHook(store::commitPendingWrites);
    rt::addShutdownHook(store::commitPendingWrites);
}

void processDetach() {
    store::commitPendingWrites();
    rt::setExceptionHandler({});
    rt::GLOBALERRORS.setSink(nullptr);
    classes::useIniManager(nullptr);
    iniManager.reset();
}

void programMain(const std::function<void()>& frame) {
    // The error manager always works on the running thread's status, so its
    // initialisation with the main thread's status has nothing left to do.
    FUZZYMATCHER.Init();
    FUZZYMATCHER.SetOption(1, 1);
    FUZZYMATCHER.SetOption(2, 0);
    dct::DCTINIT();
    frame();
    // Every value reached the INI file when it was put: the final update writes nothing.
    FUZZYMATCHER.Kill();
}

int runProgram(const std::function<void()>& frame) {
    rt::startThread([&frame] { programMain(frame); }, 0);
    while (rt::runReady()) {}
    return 0;
}

}  // namespace vx::app
