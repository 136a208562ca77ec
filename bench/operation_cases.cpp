#include "bench/operation_cases.h"

#include <functional>
#include <string>

#include "bench/report.h"
#include "bench/sqlite_side.h"
#include "bench/size.h"
#include "bench/window_steps.h"
#include "context/globals.h"
#include "dictionary/dictionary.h"
#include "dictionary/files_in_use.h"
#include "execution/group/group_execution.h"
#include "execution/operations/record_marking.h"
#include "platform/headless/harness.h"
#include "platform/store/record_file.h"

namespace vx::bench {

using namespace dct;
using execution::MeasureKind;

namespace {

constexpr double kLimitMs = 1000;
// The records marked for deletion: one in ten of the file.
int deletedRecords() { return passports() * 3 / 10; }
const Decimal kMeasure = Decimal::fromMantissa(10, 1);  // 1.0, stored as 10 tenths

// Runs `work` on a thread of the program's own with VPO open, and times it.
double onThread(headless::Harness& h, const std::function<void()>& work) {
    double ms = 0;
    h.addProcedure("Operation", [&] {
        DCTINIT();
        const FilesInUse files{Access::VPO};
        ms = millisecondsOf(work);
        store::commitPendingWrites();
    });
    play(h.start("Operation"), "operation");
    return ms;
}

// The records `where` selects, each changed one written back by its position, in
// one transaction that is rolled back.
double sqliteRewrite(const std::string& columns, const std::string& where, const std::string& write,
                     const std::function<bool(const Statement&)>& wanted) {
    store::commitPendingWrites();
    RawFile raw(glo::PUT6.str());
    const double ms = millisecondsOf([&] {
        raw.exec("BEGIN");
        Statement read(raw.db(), "SELECT pos, " + columns + " FROM records" + where);
        Statement change(raw.db(), write);
        while (read.step()) {
            if (!wanted(read)) continue;
            change.bind(1, read.integer(0));
            change.step();
            change.reset();
        }
    });
    raw.exec("ROLLBACK");
    return ms;
}

}  // namespace

void operationCases(int bigFarm) {
    headless::Harness h;
    const execution::MarkingContext farm{1, bigFarm, kMeasure, 0, "", "", ""};

    execution::WriteTally toggled;
    const double toggle = onThread(h, [&] {
        toggled = markRecords(MeasureKind::Preventive, execution::Marking::Measure, execution::ActRule::Dated, farm);
    });
    const std::string inFarm = " WHERE IDHOZ = 1 AND IDFERMA = " + std::to_string(bigFarm);
    const double toggleSql = sqliteRewrite(
        "IDHOZ, IDFERMA, IDTASK", inFarm, "UPDATE records SET CHEK = CASE WHEN CHEK = 1 THEN 0 ELSE 1 END WHERE pos = ?",
        [&](const Statement& r) { return r.integer(1) == 1 && r.integer(2) == bigFarm && r.integer(3) == 10; });
    reportAgainstLimit("journal-toggle-measure", toggle, toggleSql, kLimitMs,
                       "toggled=" + std::to_string(toggled.written) + (toggled.stored ? " stored" : " NOT STORED"));

    execution::ExecutionValues values;
    values.statementNumber = "12";
    values.statementDate = 80000;
    values.actNumber = "7";
    values.actDate = 80010;
    execution::WriteTally executed;
    const double group = onThread(h, [&] {
        executed = executeMarked(MeasureKind::Preventive, execution::DoneRule::Act, {1, bigFarm, kMeasure}, values);
    });
    const double groupSql = sqliteRewrite(
        "IDHOZ, IDFERMA, IDTASK, CHEK", inFarm,
        "UPDATE records SET NOPIS = '12', DOPIS = 80000, AKTNOMER = '7', AKTDATA = 80010, GLPLAN = 1, GLVUP = 1, "
        "GOPLAN = 1, GOVUP = 1 WHERE pos = ?",
        [&](const Statement& r) {
            return r.integer(1) == 1 && r.integer(2) == bigFarm && r.integer(3) == 10 && r.integer(4) == 1;
        });
    reportAgainstLimit(sized("group-execution", int64_t{passports()} * 3).c_str(), group, groupSql, kLimitMs,
                       "selected=" + std::to_string(executed.written) + (executed.stored ? " stored" : " NOT STORED"));

    // The farm's 2,000 marks and 28,000 more of other farms.
    onThread(h, [&] {
        int more = deletedRecords() - toggled.written;
        execution::rewriteMeasures(MeasureKind::Preventive, [&](const execution::MeasureFields& r) {
            if (r.mark == 1 || more == 0 || r.farm.value() == Decimal(bigFarm)) return false;
            r.mark = 1;
            --more;
            return true;
        });
    });
    const double deleteSql = sqliteRewrite("CHEK", " ORDER BY pos", "DELETE FROM records WHERE pos = ?",
                                           [](const Statement& r) { return r.integer(1) == 1; });
    execution::WriteTally deleted;
    const double remove = onThread(h, [&] { deleted = execution::deleteMarked(MeasureKind::Preventive); });
    reportAgainstLimit("journal-delete-marked", remove, deleteSql, limitForSize(kLimitMs),
                       "deleted=" + std::to_string(deleted.written) + (deleted.stored ? " stored" : " NOT STORED"));
}

}  // namespace vx::bench
