#include "database/tests/database_windows_fixture.h"

#include <atomic>
#include <unistd.h>

#include "app/globals.h"
#include "database/database_windows.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "platform/abc/ini_manager.h"
#include "platform/runtime/errors.h"
#include "platform/store/record_file.h"

namespace vx::database::testing {

using namespace dct;

namespace {

template <class Fill>
void append(AccessRef file, FileRefBase buffer, Fill fill) {
    file->open();
    ASSERT_EQ(file->useFile(), rt::Level::Benign);
    fill();
    ASSERT_TRUE(Add(buffer));
    file->close();
}

template <class Show>
Lines all(AccessRef file, FileRefBase buffer, Show show) {
    Lines out;
    file->open();
    if (file->useFile() == rt::Level::Benign) {
        Set(buffer);
        while (Next(buffer)) out.push_back(show());
    }
    file->close();
    return out;
}

}  // namespace

void DatabaseWindowsTest::SetUp() {
    static std::atomic<int> serial{0};
    dir = std::filesystem::temp_directory_path() /
          ("vx-database-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    glo::initialise();
    ini = std::make_unique<rt::IniFile>(dir / "test.INI");
    abc::useIniManager(ini.get());
    rt::GLOBALERRORS.setEndProgramHandler([] {});
    h = std::make_unique<headless::Harness>();
    h->ini = ini.get();
    h->addProcedure("BrowseBD", BrowseBD);
    // The program's first thread builds its own managers, as the program body does.
    h->addProcedure("OnThread", [this] {
        DCTINIT();
        body_();
    });
    onThread([] {});
}

void DatabaseWindowsTest::TearDown() {
    h.reset();
    abc::useIniManager(nullptr);
    rt::GLOBALERRORS.setEndProgramHandler({});
    store::commitPendingWrites();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir);
}

void DatabaseWindowsTest::onThread(std::function<void()> body) {
    body_ = std::move(body);
    const ui::Outcome o = h->start("OnThread");
    ASSERT_TRUE(o) << o.refusal;
}

void DatabaseWindowsTest::addGroup(int kod, const std::string& name, int chek) {
    onThread([&] {
        append(Access::RIDGEN, RIDGEN, [&] {
            RID->KOD = kod;
            RID->NAME = name;
            RID->CHEK = static_cast<Byte>(chek);
        });
    });
}

void DatabaseWindowsTest::addDatabase(int kod, const std::string& path, const std::string& name) {
    onThread([&] {
        append(Access::CONFIG, CONFIG, [&] {
            KON->KOD = kod;
            KON->PATH = path;
            KON->NAME = name;
        });
    });
}

Lines DatabaseWindowsTest::groups() {
    Lines out;
    onThread([&] {
        out = all(Access::RIDGEN, RIDGEN, [] {
            return RID->KOD.value().plain() + " " + RID->NAME.str() + " " + std::to_string(RID->CHEK);
        });
    });
    return out;
}

Lines DatabaseWindowsTest::databases() {
    Lines out;
    onThread([&] {
        out = all(Access::CONFIG, CONFIG,
                  [] { return KON->KOD.value().plain() + " " + KON->PATH.str() + " " + KON->NAME.str(); });
    });
    return out;
}

Lines DatabaseWindowsTest::rows(std::string_view list) {
    Lines out;
    for (int n = 1;; ++n) {
        auto r = h->row(list, n);
        if (!r) return out;
        std::string line;
        for (const std::string& c : *r) line += (line.empty() ? "" : "|") + c;
        out.push_back(line);
    }
}

Lines DatabaseWindowsTest::messages() const {
    Lines out;
    for (const auto& m : h->messages()) out.push_back(m.caption + ": " + m.text);
    return out;
}

bool DatabaseWindowsTest::shownAndUsable(std::string_view control) {
    const ui::Control* c = h->find(control);
    return c && c->shown() && c->usable();
}

}  // namespace vx::database::testing
