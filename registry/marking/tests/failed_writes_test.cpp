// A marking mode, the age synchronisation, the herd notes or the plan for marked that cannot write
// changes nothing and says why, never its success text: another station holds the
// database, the folder is read-only, the disk is full.
#include <gtest/gtest.h>

#include "context/globals.h"
#include "database/database_choice.h"
#include "dictionary/names.h"
#include "planning/schemes/plan_for_marked.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"
#include "registry/marking/age_synchronisation.h"
#include "registry/marking/herd_structure.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/passport_marking.h"
#include "registry/marking/tests/marking_fixture.h"
#include "tests/limited_folder.h"
#include "tests/other_station.h"

namespace vx::registry::marking::testing {
namespace {

using namespace dct;
using vx::testing::FolderLimit;

struct Operation {
    const char* name;
    const char* caption;
    void (*run)();
};

// Plans the marked animals of species 1 by a fixed date, so none is skipped.
const planning::Scheme kScheme{Decimal(20), Decimal(1), "Вакцинация", {Decimal(0), Decimal(1), Decimal(1), makeDate(5, 1, 2026)},
                               {Decimal(0), Decimal(1), Decimal(2), makeDate(5, 1, 2026)}};

const Operation kOperations[] = {
    {"flip of the farm's marks", "Выделение животных", [] { runMarking(4, MarkingPath::List); }},
    {"age synchronisation", "Синхронизация возраста животных", [] { synchroniseAges([] {}); }},
    {"plan-status marking", "Выделение животных",
     [] { markByPlanStatus(14, {Decimal::fromMantissa(50, 1), Decimal(1)}); }},
    {"herd notes", "Структура поголовья",
     [] {
         Byte holdingNoted = 0;
         appendHerdSummaries(countHerdStructure(), holdingNoted);
     }},
    {"plan for marked", "Планирование профилактического мероприятия",
     [] { planning::schemes::reportPlan(planning::MeasureKind::Preventive,
                                        planning::schemes::planForMarked(planning::MeasureKind::Preventive, kScheme)); }},
};

class FailedWritesTest : public MarkingTest {
protected:
    void useFolder(const std::filesystem::path& folder) {
        database::chooseDatabaseFolder(folder.string() + "/");
        addHolding(1, "Первое");
        addFarm(1, 1, "Луговая");
        addHerd(groupMarkingHerd());
        run([] {
            Set(PASPORT);
            while (Next(PASPORT)) {
                PAS->VOZRASTG = 9;
                Put(PASPORT);
            }
        });
        store::commitPendingWrites();
        glo::IDHOZ = 1;
        glo::IDFERM = 1;
    }
    // What the database holds and what the operation said, after `op` (a read-only
    // file's own notice at its opening is the file manager's, not the operation's).
    std::string runAndRead(const Operation& op) {
        const std::size_t before = shown().size();
        run(op.run);
        std::string out = marks();
        for (const std::string& age : ages()) out += " " + age;
        run([&] { out += " planned " + std::to_string(Records(VPO)); });
        for (bool farms : {true, false})
            for (const std::string& note : notes(farms)) out += note.empty() ? "" : " noted";
        const Lines said = shown();
        for (std::size_t i = before; i < said.size(); ++i)
            if (said[i].rfind(op.caption, 0) == 0) out += "|" + said[i];
        return out;
    }
    std::string untouched(const Operation& op, const std::string& cause) {
        std::string out = "01012010";
        for (int i = 0; i < 8; ++i) out += " 9 0 0";
        return out + " planned 0|" + op.caption + ": " + cause;
    }
    std::filesystem::path db() const { return dir / "db"; }
};

TEST_F(FailedWritesTest, AHeldWriteLockChangesNothingAndNamesTheOtherStation) {
    useFolder(dir);
    // The other station writes every file of the database these operations touch.
    const vx::testing::HeldWriteLocks other({glo::PUT1.str(), glo::PUT2.str(), glo::PUT5.str(), glo::PUT6.str()});
    ASSERT_TRUE(other.held());
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.name);
        EXPECT_EQ(runAndRead(op), untouched(op, "База данных занята другой станцией. Повторите позже."));
    }
}

TEST_F(FailedWritesTest, AReadOnlyFolderOrAFullDiskChangesNothingAndSaysSo) {
    const struct {
        FolderLimit limit;
        std::string cause;
    } limits[] = {
        {FolderLimit::ReadOnly, "Папка базы данных недоступна для записи: " + db().string() + ". Ничего не изменено."},
        {FolderLimit::Full, "Диск заполнен, база данных " + db().string() + " не записана. Ничего не изменено."},
    };
    for (const auto& l : limits) {
        for (const Operation& op : kOperations) {
            SCOPED_TRACE(std::string(op.name) + (l.limit == FolderLimit::Full ? ", full disk" : ", read-only folder"));
            const std::optional<std::string> result =
                vx::testing::withLimitedFolder(db(), l.limit, [&] { useFolder(db()); }, [&] { return runAndRead(op); });
            if (!result) GTEST_SKIP() << "no mount namespace here for a small or read-only folder";
            EXPECT_EQ(*result, untouched(op, l.cause));
        }
    }
}

}  // namespace
}  // namespace vx::registry::marking::testing
