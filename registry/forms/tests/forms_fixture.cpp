#include "registry/forms/tests/forms_fixture.h"

#include "database/database_choice.h"
#include "dictionary/names.h"
#include "platform/abc/insert_priming.h"
#include "platform/runtime/thread_state.h"

namespace vx::registry::testing {

using namespace dct;

void FormsTest::SetUp() {
    WindowTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
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
