// Group execution on small files of both kinds: which records it writes, the
// values they get and when their counters become 1.

#include <gtest/gtest.h>

#include "execution/group/group_execution.h"
#include "execution/operations/tests/measure_records.h"
#include "platform/core/dates.h"

namespace vx::execution::testing {
namespace {

const int32_t kStatement = makeDate(5, 1, 2026);
const int32_t kAct = makeDate(5, 10, 2026);

class GroupExecutionTest : public MeasureRecordsTest {
protected:
    DoneRule rule() const { return preventive() ? DoneRule::Act : DoneRule::ActOrExpertise; }
    WriteTally execute(const ExecutionValues& v, int tenths = 50) {
        WriteTally t;
        withFiles([&] { t = executeMarked(kind(), rule(), {1, 2, Decimal::fromMantissa(tenths, 1)}, v); });
        return t;
    }
    static ExecutionValues statementAndAct(const char* act, int32_t actDate) {
        ExecutionValues v;
        v.statementNumber = "12";
        v.statementDate = kStatement;
        v.statementDoc = "c:\\опись.doc";
        v.actNumber = act;
        v.actDate = actDate;
        v.actDoc = "c:\\акт.doc";
        return v;
    }
    // "mark counters statement act" of every record.
    Lines shown() {
        return read([](const MeasureFields& r) {
            return std::to_string(r.mark) + " " + r.headsPlanned.value().plain() + r.headsDone.value().plain() +
                   r.treatmentsPlanned.value().plain() + r.treatmentsDone.value().plain() + " " +
                   r.statementNumber.str() + "/" + std::to_string(r.statementDate == kStatement) + " " +
                   r.actNumber.str() + "/" + std::to_string(r.actDate == kAct) + " " + r.actDoc.str();
        });
    }
};

TEST_P(GroupExecutionTest, TheMarkedRecordsOfTheMeasureGetTheValuesAndAreDone) {
    const auto planned = [](int treatments) {
        return [=](const MeasureFields& r) {
            r.mark = 1;
            r.headsPlanned = 1;
            r.treatmentsPlanned = treatments;
        };
    };
    add(1, 2, 1, 50, planned(1));
    add(1, 2, 2, 50, planned(2));  // two treatments planned
    add(1, 2, 3, 50, planned(1));
    add(1, 2, 4, 50, [](const MeasureFields& r) { r.headsPlanned = 1; });  // not marked
    add(1, 2, 5, 51, planned(1));                                          // another stage
    add(7, 2, 6, 50, planned(1));                                          // farm 2 of another holding
    const WriteTally t = execute(statementAndAct("7", kAct));
    EXPECT_EQ(t.written, 3);
    EXPECT_TRUE(t.stored);
    const std::string done = "1 1111 12/1 7/1 c:\\акт.doc";
    EXPECT_EQ(shown(), (Lines{done, done, done, "0 1000 /0 /0 ", "1 1010 /0 /0 ", "1 1010 /0 /0 "}));
}

struct Case {
    const char* name;
    int tenths;
    const char* act;
    int32_t actDate;
    const char* expertise;
    int32_t expertiseDate;
    bool preventiveDone, diagnosticDone;
};

const Case kCases[] = {
    {"an act with its date", 50, "7", kAct, "", 0, true, true},
    {"an act without a date", 50, "7", 0, "", 0, false, false},
    {"a date without an act", 50, "", kAct, "", 0, false, false},
    {"an act that reads as 0", 50, "0", kAct, "", 0, true, false},
    {"a text act", 50, "12/А", kAct, "", 0, true, true},
    {"an expertise with its date and no act", 50, "", 0, "Э-3", kAct, false, true},
    {"an expertise without a date", 50, "", 0, "Э-3", 0, false, false},
    {"a first stage", 51, "7", kAct, "", 0, true, true},
    {"a second stage", 52, "7", kAct, "", 0, true, true},
    {"a stage digit of 3 keeps its counters", 53, "7", kAct, "", 0, false, false},
};

TEST_P(GroupExecutionTest, TheCountersFollowTheDoneRuleAndTheStage) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        add(1, 2, 1, c.tenths, [](const MeasureFields& r) {
            r.mark = 1;
            r.headsPlanned = 2;
        });
        ExecutionValues v = statementAndAct(c.act, c.actDate);
        v.expertiseNumber = c.expertise;
        v.expertiseDate = c.expertiseDate;
        EXPECT_EQ(execute(v, c.tenths).written, 1);
        const std::string counters = shown().back().substr(2, 4);
        EXPECT_EQ(counters, (preventive() ? c.preventiveDone : c.diagnosticDone) ? "1111" : "2000");
        withFiles([&] { deleteMeasures(kind(), [](const MeasureFields&) { return true; }); });
    }
}

TEST_P(GroupExecutionTest, BlankValuesClearTheFieldsAndLeaveTheCounters) {
    add(1, 2, 1, 50, [](const MeasureFields& r) {
        r.mark = 1;
        r.headsDone = 1;
        r.statementNumber = "3";
        r.actNumber = "4";
        r.actDate = kAct;
        r.actDoc = "a.doc";
        if (r.expertiseNumber) *r.expertiseNumber = "Э-1";
    });
    execute(ExecutionValues{});
    EXPECT_EQ(shown(), (Lines{"1 0100 /0 /0 "}));
    if (!preventive()) {
        EXPECT_EQ(read([](const MeasureFields& r) { return r.expertiseNumber->str(); }), (Lines{""}));
    }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, GroupExecutionTest,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

}  // namespace
}  // namespace vx::execution::testing
