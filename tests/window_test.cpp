#include "tests/window_test.h"

#include <unistd.h>

#include <atomic>

#include "context/globals.h"
#include "dictionary/dictionary.h"
#include "platform/classes/ini_manager.h"
#include "platform/core/dates.h"
#include "platform/runtime/errors.h"
#include "platform/store/record_file.h"

namespace vx::testing {

void WindowTest::SetUp() {
    static std::atomic<int> serial{0};
    dir = std::filesystem::temp_directory_path() /
          ("vx-windows-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    glo::initialise();
    ini = std::make_unique<rt::IniFile>(dir / "test.INI");
    classes::useIniManager(ini.get());
    rt::GLOBALERRORS.setEndProgramHandler([] {});
    h = std::make_unique<headless::Harness>();
    h->ini = ini.get();
    // The program's first thread builds its own managers, as the program body does.
    h->addProcedure("OnThread", [this] {
        dct::DCTINIT();
        body_();
    });
    onThread([] {});
}

void WindowTest::TearDown() {
    h.reset();
    clock::useRealTime();
    classes::useIniManager(nullptr);
    rt::GLOBALERRORS.setEndProgramHandler({});
    store::commitPendingWrites();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir);
}

void WindowTest::onThread(std::function<void()> body) {
    body_ = std::move(body);
    const ui::Outcome o = h->start("OnThread");
    ASSERT_TRUE(o) << o.refusal;
}

Lines WindowTest::rows(std::string_view list) {
    Lines out;
    for (int n = 1;; ++n) {
        auto r = h->row(list, n);
        if (!r) return out;
        std::string line;
        for (const std::string& c : *r) line += (line.empty() ? "" : "|") + c;
        out.push_back(line);
    }
}

Lines WindowTest::messages() const {
    Lines out;
    for (const auto& m : h->messages()) out.push_back(m.caption + ": " + m.text);
    return out;
}

void WindowTest::fixToday(int32_t day) { clock::fix(day, 1); }

bool WindowTest::shownAndUsable(std::string_view control) {
    const ui::Control* c = h->find(control);
    return c && c->shown() && c->usable();
}

}  // namespace vx::testing
