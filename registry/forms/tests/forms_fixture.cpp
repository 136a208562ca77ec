#include "registry/forms/tests/forms_fixture.h"

#include <atomic>
#include <unistd.h>

#include "app/globals.h"
#include "database/database_choice.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "platform/abc/ini_manager.h"
#include "platform/abc/insert_priming.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/thread_state.h"
#include "platform/store/record_file.h"

namespace vx::registry::testing {

using namespace dct;

void FormsTest::SetUp() {
    static std::atomic<int> serial{0};
    dir = std::filesystem::temp_directory_path() /
          ("vx-forms-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    glo::initialise();
    database::chooseDatabaseFolder(dir.string() + "/");
    ini = std::make_unique<rt::IniFile>(dir / "test.INI");
    abc::useIniManager(ini.get());
    rt::GLOBALERRORS.setEndProgramHandler([] {});
    h = std::make_unique<headless::Harness>();
    h->ini = ini.get();
    h->addProcedure("OnThread", [this] {
        DCTINIT();
        body_();
    });
    onThread([] {});
}

void FormsTest::TearDown() {
    h.reset();
    abc::useIniManager(nullptr);
    rt::GLOBALERRORS.setEndProgramHandler({});
    store::commitPendingWrites();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir);
}

void FormsTest::onThread(std::function<void()> body) {
    body_ = std::move(body);
    const ui::Outcome o = h->start("OnThread");
    ASSERT_TRUE(o) << o.refusal;
}

void FormsTest::withFiles(const std::function<void()>& body) {
    const AccessRef files[] = {Access::HOZ, Access::FERMA, Access::ANIMVID, Access::POLVOZ, Access::PASPORT};
    for (AccessRef f : files) {
        f->open();
        ASSERT_EQ(f->useFile(), rt::Level::Benign);
    }
    body();
    for (AccessRef f : files) f->close();
}

void FormsTest::open(std::function<void()> form, Byte request, std::function<void()> prime) {
    onThread([this, form, request, prime] {
        withFiles([&] {
            if (prime) prime();
            *rt::GLOBALREQUEST = request;
            form();
            response = *rt::GLOBALRESPONSE;
        });
    });
}

void FormsTest::primeInsert(const data::FileManager& file,
                            const std::vector<std::pair<std::string, Value>>& fields) {
    abc::InsertPriming priming{&file.def(), {}};
    for (const auto& [name, value] : fields) priming.fields.emplace_back(file.def().fieldIndex(name), value);
    abc::offerInsertPriming(std::move(priming));
}

void FormsTest::addHolding(int id, const std::string& name) {
    onThread([&] {
        withFiles([&] {
            HOZ->IDHOZ = id;
            HOZ->NAME = name;
            ASSERT_TRUE(Add(HOZ));
        });
    });
}

void FormsTest::addFarm(int holding, int id, const std::string& name) {
    onThread([&] {
        withFiles([&] {
            FER->IDHOZ = holding;
            FER->IDFERM = id;
            FER->NAME = name;
            ASSERT_TRUE(Add(FER));
        });
    });
}

void FormsTest::addSpecies(int id, const std::string& name) {
    onThread([&] {
        withFiles([&] {
            ANI->IDANIM = id;
            ANI->NAME = name;
            ASSERT_TRUE(Add(ANI));
        });
    });
}

void FormsTest::addGroup(int id, int species, const std::string& name) {
    onThread([&] {
        withFiles([&] {
            POL->IDPOL = id;
            POL->IDVIDANIM = species;
            POL->NAME = name;
            ASSERT_TRUE(Add(POL));
        });
    });
}

}  // namespace vx::registry::testing
