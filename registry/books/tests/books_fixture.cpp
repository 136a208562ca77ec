#include "registry/books/tests/books_fixture.h"

#include <atomic>
#include <unistd.h>

#include "app/globals.h"
#include "database/database_choice.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "platform/abc/ini_manager.h"
#include "platform/runtime/errors.h"
#include "platform/store/record_file.h"
#include "registry/books/books_windows.h"

namespace vx::registry::books::testing {

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

std::string plain(const Dec& d) { return d.value().plain(); }

}  // namespace

void BooksTest::SetUp() {
    static std::atomic<int> serial{0};
    dir = std::filesystem::temp_directory_path() /
          ("vx-books-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "a");
    std::filesystem::create_directories(dir / "b");
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    glo::initialise();
    ini = std::make_unique<rt::IniFile>(dir / "test.INI");
    abc::useIniManager(ini.get());
    rt::GLOBALERRORS.setEndProgramHandler([] {});
    h = std::make_unique<headless::Harness>();
    h->ini = ini.get();
    h->addProcedure("Browseanimvid", Browseanimvid);
    h->addProcedure("BrowsePol", BrowsePol);
    h->addProcedure("OnThread", [this] {
        DCTINIT();
        body_();
    });
    chooseDatabase("a");
    onThread([] {});
}

void BooksTest::TearDown() {
    h.reset();
    abc::useIniManager(nullptr);
    rt::GLOBALERRORS.setEndProgramHandler({});
    store::commitPendingWrites();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir);
}

void BooksTest::onThread(std::function<void()> body) {
    body_ = std::move(body);
    const ui::Outcome o = h->start("OnThread");
    ASSERT_TRUE(o) << o.refusal;
}

void BooksTest::chooseDatabase(const std::string& name) { database::chooseDatabaseFolder((dir / name).string()); }

void BooksTest::addSpecies(int id, const std::string& name) {
    onThread([&] {
        append(Access::ANIMVID, ANIMVID, [&] {
            ANI->IDANIM = id;
            ANI->NAME = name;
        });
    });
}

void BooksTest::addGroup(int id, int species, const std::string& name) {
    onThread([&] {
        append(Access::POLVOZ, POLVOZ, [&] {
            POL->IDPOL = id;
            POL->IDVIDANIM = species;
            POL->NAME = name;
        });
    });
}

void BooksTest::addPreventiveScheme(int id, int species) {
    onThread([&] {
        append(Access::BOLEZN, BOLEZN, [&] {
            BOL->ID = id;
            BOL->IDANIM = species;
        });
    });
}

void BooksTest::addDiagnosticScheme(int id, int species) {
    onThread([&] {
        append(Access::TASK, TASK, [&] {
            TAS->IDTASK = id;
            TAS->VIDANIM = species;
        });
    });
}

void BooksTest::addPassport(int id, int species, int group) {
    onThread([&] {
        append(Access::PASPORT, PASPORT, [&] {
            PAS->ID = id;
            PAS->VIDANIM = species;
            PAS->IDPOL = group;
        });
    });
}

void BooksTest::addCountRecord(int group) {
    onThread([&] {
        append(Access::PVSEGO, PVSEGO, [&] {
            PVS->IDTASK = 1;
            PVS->IDPOL = group;
        });
    });
}

Lines BooksTest::species() {
    Lines out;
    onThread([&] { out = all(Access::ANIMVID, ANIMVID, [] { return plain(ANI->IDANIM) + " " + ANI->NAME.str(); }); });
    return out;
}

Lines BooksTest::groups() {
    Lines out;
    onThread([&] {
        out = all(Access::POLVOZ, POLVOZ,
                  [] { return plain(POL->IDPOL) + " " + plain(POL->IDVIDANIM) + " " + POL->NAME.str(); });
    });
    return out;
}

Lines BooksTest::preventiveSchemes() {
    Lines out;
    onThread([&] { out = all(Access::BOLEZN, BOLEZN, [] { return plain(BOL->ID) + " " + plain(BOL->IDANIM); }); });
    return out;
}

Lines BooksTest::passports() {
    Lines out;
    onThread([&] {
        out = all(Access::PASPORT, PASPORT, [] {
            return std::to_string(PAS->ID) + " " + plain(PAS->VIDANIM) + " " + plain(PAS->IDPOL);
        });
    });
    return out;
}

Lines BooksTest::rows(std::string_view list) {
    Lines out;
    for (int n = 1;; ++n) {
        auto r = h->row(list, n);
        if (!r) return out;
        std::string line;
        for (const std::string& c : *r) line += (line.empty() ? "" : "|") + c;
        out.push_back(line);
    }
}

Lines BooksTest::messages() const {
    Lines out;
    for (const auto& m : h->messages()) out.push_back(m.caption + ": " + m.text);
    return out;
}

}  // namespace vx::registry::books::testing
