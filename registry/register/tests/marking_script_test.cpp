#include <gtest/gtest.h>

#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"
#include "registry/register/tests/marking_register_fixture.h"
#include "tests/script_run.h"

namespace vx::registry::testing {
namespace {

using namespace dct;

TEST_F(MarkingRegisterTest, AScriptMarksSynchronisesCountsAndFiltersThroughTheRegister) {
    addSpecies(1, "КРС");
    addSpecies(2, "Овцы");
    addGroup(11, 0, "Коровы");
    addGroup(12, 0, "Тёлки");
    addHolding(1, "Заря");
    addFarm(1, 1, "Центр");
    addFarm(1, 2, "Луг");
    const struct {
        int farm;
        const char* number;
        const char* owner;
        int species, group;
        const char* disposal;
    } passports[] = {
        {1, "A1", "Иванов Пётр", 1, 11, ""}, {1, "A2", "Петров", 1, 12, ""}, {1, "A3", "ИВАНОВА", 1, 11, "Продажа"},
        {1, "A4", "Сидоров", 2, 12, ""},     {2, "B1", "Иванов", 1, 11, ""},
    };
    int id = 0;
    for (const auto& p : passports)
        addPassport(1, p.farm, ++id, p.number, [&] {
            PAS->FIO = p.owner;
            PAS->VIDANIM = p.species;
            PAS->IDPOL = p.group;
            PAS->PRICH = p.disposal;
            PAS->DATAROG = makeDate(12, 10, 2025);
        });
    addDiagnostic(1, 1, 2, [] {
        VDI->IDTASK = 5;
        VDI->VIDANIM = 1;
    });
    addScheme(true, 5, 1, "Туберкулинизация");
    addScheme(false, 7, 1, "Ящур");
    store::commitPendingWrites();

    const auto run = vx::testing::runScriptIn(VX_REGISTER_SCRIPTS "/marking.vxs", dir, "--today 10.12.2026");
    if (!run) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    ASSERT_EQ(run->status, 0) << run->transcript;
    // After the clear: Alt+X marked A1 alone (A2 has the measure, A3 a disposal reason, A4 is of another species).
    EXPECT_EQ(marks(), "10000");
    const std::string farm = "10.12.2026  [    2] Коровы [    2] Тёлки";
    EXPECT_EQ(notes(true), (Lines{"\n" + farm, ""}));
    EXPECT_EQ(notes(false), (Lines{"\n10.12.2026  [    3] Коровы [    2] Тёлки"}));
    EXPECT_EQ(ages(), (Lines(5, "1 0 0")));
}

}  // namespace
}  // namespace vx::registry::testing
