// The journals' whole-file operations and group execution that cannot write
// change nothing and say why, once, under their caption: another station holds
// the database, the folder is read-only, the disk is full.
#include <gtest/gtest.h>

#include "context/globals.h"
#include "execution/group/group_execution.h"
#include "execution/operations/record_marking.h"
#include "execution/operations/tests/measure_records.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"
#include "tests/limited_folder.h"
#include "tests/other_station.h"

namespace vx::execution::testing {
namespace {

using vx::testing::FolderLimit;

const int32_t kAct = makeDate(5, 10, 2026);
struct Operation {
    const char* name;
    const char* caption;
    void (*run)(MeasureKind);
};

const Operation kOperations[] = {
    {"measure toggle", kOperationCaption,
     [](MeasureKind k) {
         markRecords(k, Marking::Measure, ActRule::Dated, {1, 2, Decimal::fromMantissa(50, 1), 0, "", "", ""});
     }},
    {"animal marking", kOperationCaption, [](MeasureKind) { markAnimal(1, 2, "RU-7"); }},
    {"delete of the marked", kDeleteCaption, [](MeasureKind k) { deleteMarked(k); }},
    {"execution taken off", kOperationCaption, [](MeasureKind k) { takeExecutionOff(k, 1, 2); }},
    {"group execution", kOperationCaption,
     [](MeasureKind k) {
         ExecutionValues v;
         v.actNumber = "9";
         v.actDate = kAct;
         executeMarked(k, DoneRule::Act, {1, 2, Decimal::fromMantissa(50, 1)}, v);
     }},
};

class FailedWritesTest : public MeasureRecordsTest {
protected:
    void useFolder(const std::filesystem::path& folder) {
        database::chooseDatabaseFolder(folder.string() + "/");
        add(1, 2, 101, 50, [](const MeasureFields& r) {
            r.mark = 1;
            r.headsDone = 1;
            r.treatmentsDone = 1;
            r.actNumber = "7";
            r.actDate = kAct;
        });
        add(1, 2, 102, 50, [](const MeasureFields& r) { r.mark = 1; });
        add(1, 3, 103, 50);
        addPassport(1, 2, 1, "RU-7");
        store::commitPendingWrites();
    }
    // What the files hold and what the operation said under its caption.
    std::string runAndRead(const Operation& op) {
        const std::size_t before = messages().size();
        withFiles([&] { op.run(kind()); });
        std::string out = marks();
        for (const std::string& r : read([](const MeasureFields& r) {
                 return std::to_string(r.mark) + r.headsDone.value().plain() + r.actNumber.str();
             }))
            out += " " + r;
        const Lines said = messages();
        for (std::size_t i = before; i < said.size(); ++i)
            if (said[i].rfind(op.caption, 0) == 0) out += "|" + said[i];
        return out;
    }
    static std::string untouched(const Operation& op, const std::string& cause) {
        return "0 117 10 00|" + std::string(op.caption) + ": " + cause;
    }
    std::filesystem::path db() const { return dir / "db"; }
};

TEST_P(FailedWritesTest, AHeldWriteLockChangesNothingAndNamesTheOtherStation) {
    useFolder(dir);
    const vx::testing::HeldWriteLocks other({glo::PUT5.str(), glo::PUT6.str(), glo::PUT7.str()});
    ASSERT_TRUE(other.held());
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.name);
        EXPECT_EQ(runAndRead(op), untouched(op, "База данных занята другой станцией. Повторите позже."));
    }
}

TEST_P(FailedWritesTest, AReadOnlyFolderOrAFullDiskChangesNothingAndSaysSo) {
    for (FolderLimit limit : {FolderLimit::ReadOnly, FolderLimit::Full})
        for (const Operation& op : kOperations) {
            SCOPED_TRACE(std::string(op.name) + (limit == FolderLimit::Full ? ", full disk" : ", read-only folder"));
            const std::optional<std::string> result = vx::testing::withLimitedFolder(
                db(), limit, [&] { useFolder(db()); }, [&] { return runAndRead(op); });
            if (!result) GTEST_SKIP() << "no mount namespace here for a small or read-only folder";
            EXPECT_EQ(*result, untouched(op, vx::testing::limitCause(db(), limit)));
        }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, FailedWritesTest,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

}  // namespace
}  // namespace vx::execution::testing
