#include "registry/forms/tests/forms_fixture.h"

#include "database/database_choice.h"
#include "dictionary/names.h"
#include "platform/classes/insert_priming.h"
#include "platform/runtime/thread_state.h"

namespace vx::registry::testing {

using namespace dct;

void FormsTest::SetUp() {
    RecordsTest::SetUp();
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

void FormsTest::primeInsert(const data::FileManager& file, const std::vector<std::pair<std::string, Value>>& fields) {
    classes::InsertPriming priming{&file.def(), {}};
    for (const auto& [name, value] : fields) priming.fields.emplace_back(file.def().fieldIndex(name), value);
    classes::offerInsertPriming(std::move(priming));
}

}  // namespace vx::registry::testing
