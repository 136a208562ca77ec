// The marking toggles, the animal marking, the delete of the marked records and
// taking the execution off, on small files of both kinds.

#include <gtest/gtest.h>

#include "dictionary/names.h"
#include "execution/operations/record_marking.h"
#include "execution/operations/tests/measure_records.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"

namespace vx::execution::testing {
namespace {

using namespace dct;

const int32_t kAct = makeDate(5, 10, 2026);

struct Row {
    int farm, animal, tenths;
    Byte mark;
    int headsDone, treatmentsDone;
    const char* statement;
    const char* act;
    int32_t actDate;
    const char* expertise;
};

// Holding 1. Marks in record order: 0 0 1 0 1 0 1 2.
const Row kRows[] = {
    {2, 101, 50, 0, 0, 0, "", "", 0, ""},             // animal 101, planned in March
    {2, 101, 50, 0, 0, 0, "", "", 0, ""},             // and in September
    {2, 102, 50, 1, 1, 1, "12/А", "7", kAct, "Э-3"},  // done
    {2, 103, 50, 0, 1, 0, "", "", 0, ""},             // half done: neither group
    {2, 104, 50, 1, 0, 0, "", "", kAct, ""},          // an act date without a number
    {2, 101, 51, 0, 0, 0, "", "", 0, ""},             // the first stage of another measure
    {3, 102, 50, 1, 1, 1, "12/А", "7", kAct, "Э-3"},  // another farm
    {2, 105, 50, 2, 0, 0, "", "", 0, ""},             // a mark of another value
};

class RecordMarkingTest : public MeasureRecordsTest {
protected:
    void SetUp() override {
        MeasureRecordsTest::SetUp();
        for (const Row& row : kRows)
            add(1, row.farm, row.animal, row.tenths, [&](const MeasureFields& r) {
                r.mark = row.mark;
                r.headsDone = row.headsDone;
                r.treatmentsDone = row.treatmentsDone;
                r.statementNumber = row.statement;
                r.actNumber = row.act;
                r.actDate = row.actDate;
                if (r.expertiseNumber) *r.expertiseNumber = row.expertise;
            });
    }
    // The context of animal `animal` on farm 2 with measure 5.0 and these numbers.
    static MarkingContext context(int animal, const char* statement = "", const char* act = "",
                                  const char* expertise = "") {
        return {1, 2, Decimal::fromMantissa(50, 1), animal, statement, act, expertise};
    }
    WriteTally mark(Marking m, const MarkingContext& c) {
        WriteTally t;
        const ActRule rule = preventive() ? ActRule::Dated : ActRule::Numbered;
        withFiles([&] { t = markRecords(kind(), m, rule, c); });
        return t;
    }
};

struct Case {
    const char* name;
    Marking marking;
    MarkingContext context;
    const char* preventive;  // the marks afterwards
    const char* diagnostic;
};

const Case kCases[] = {
    {"row: both planned dates of the animal", Marking::Row, {1, 2, Decimal::fromMantissa(50, 1), 101, "", "", ""},
     "11101012", "11101012"},
    {"row: a mark of another value stays", Marking::Row, {1, 2, Decimal::fromMantissa(50, 1), 105, "", "", ""},
     "00101012", "00101012"},
    {"row: another stage is another measure", Marking::Row, {1, 2, Decimal::fromMantissa(51, 1), 101, "", "", ""},
     "00101112", "00101112"},
    {"measure: every mark swaps", Marking::Measure, {1, 2, Decimal::fromMantissa(50, 1), 0, "", "", ""}, "11010011",
     "11010011"},
    {"not done: both counters 0 only", Marking::NotDone, {1, 2, Decimal::fromMantissa(50, 1), 0, "", "", ""},
     "11100011", "11100011"},
    {"done: both counters above 0 only", Marking::Done, {1, 2, Decimal::fromMantissa(50, 1), 0, "", "", ""},
     "00001012", "00001012"},
    {"statement: the farm's records of that number", Marking::Statement, {1, 2, 0, 0, "12/А", "", ""}, "00001012",
     "00001012"},
    {"statement: case counts", Marking::Statement, {1, 2, 0, 0, "12/а", "", ""}, "00101012", "00101012"},
    {"statement: a leading blank counts", Marking::Statement, {1, 2, 0, 0, " 12/А", "", ""}, "00101012",
     "00101012"},
    {"statement: trailing blanks do not", Marking::Statement, {1, 2, 0, 0, "12/А  ", "", ""}, "00001012",
     "00001012"},
    {"statement: an empty number changes nothing", Marking::Statement, {1, 2, 0, 0, "", "", ""}, "00101012",
     "00101012"},
    {"act: the farm's records of that number", Marking::Act, {1, 2, 0, 0, "", "7", ""}, "00001012", "00001012"},
    {"act: an empty number takes the dated ones, preventive only", Marking::Act, {1, 2, 0, 0, "", "", ""},
     "00100012", "00101012"},
    {"expertise: diagnostic only", Marking::Expertise, {1, 2, 0, 0, "", "", "Э-3"}, "00101012", "00001012"},
    {"expertise: an empty number changes nothing", Marking::Expertise, {1, 2, 0, 0, "", "", ""}, "00101012",
     "00101012"},
    {"clear: the farm's marks of 1", Marking::ClearFarm, {1, 2, 0, 0, "", "", ""}, "00000012", "00000012"},
    {"clear: another holding's farm 2 is not this one", Marking::ClearFarm, {7, 2, 0, 0, "", "", ""}, "00101012",
     "00101012"},
};

TEST_P(RecordMarkingTest, EachToggleChangesItsScopeAndNothingElse) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string before = recordMarks();
        mark(c.marking, c.context);
        EXPECT_EQ(recordMarks(), preventive() ? c.preventive : c.diagnostic);
        // Each case starts from the same marks.
        withFiles([&] {
            std::size_t n = 0;
            rewriteMeasures(kind(), [&](const MeasureFields& r) {
                r.mark = static_cast<Byte>(before[n++] - '0');
                return true;
            });
        });
    }
}

TEST_P(RecordMarkingTest, PressedTwiceTheRowIsAsBefore) {
    mark(Marking::Row, context(101));
    mark(Marking::Row, context(101));
    EXPECT_EQ(recordMarks(), "00101012");
}

TEST_P(RecordMarkingTest, DeleteTakesTheMarkedRecordsOfEveryFarm) {
    int marked = 0;
    WriteTally deleted;
    withFiles([&] {
        marked = countMarked(kind());
        deleted = deleteMarked(kind());
    });
    EXPECT_EQ(marked, 3);
    EXPECT_EQ(deleted.written, 3);
    EXPECT_TRUE(deleted.stored);
    EXPECT_EQ(recordMarks(), "00002");
}

TEST_P(RecordMarkingTest, DeleteVisitsEveryRecordOnceAcrossReadAheadChunks) {
    // 600 more records, every other one marked: more than two chunks of the scan.
    for (int n = 0; n < 600; ++n) add(1, 2, 200 + n, 50, [&](const MeasureFields& r) { r.mark = n % 2; });
    WriteTally deleted;
    withFiles([&] { deleted = deleteMarked(kind()); });
    EXPECT_EQ(deleted.written, 303);
    EXPECT_EQ(recordMarks().find('1'), std::string::npos);
}

TEST_P(RecordMarkingTest, TakingTheExecutionOffRevertsTheFarmsMarkedRecordsOnly) {
    withFiles([&] {
        rewriteMeasures(kind(), [](const MeasureFields& r) {
            r.statementDate = 77;
            r.statementDoc = "v.doc";
            r.actDoc = "a.doc";
            if (r.expertiseDate) {
                *r.expertiseDate = kAct;
                *r.expertiseDoc = "e.doc";
            }
            return true;
        });
        takeExecutionOff(kind(), 1, 2);
    });
    const Lines shown = read([](const MeasureFields& r) {
        std::string line = std::to_string(r.mark) + " " + r.headsDone.value().plain() + r.treatmentsDone.value().plain() +
                           " [" + r.statementNumber.str() + " " + std::to_string(r.statementDate) + " " +
                           r.statementDoc.str() + "] [" + r.actNumber.str() + " " + std::to_string(r.actDate != 0) +
                           " " + r.actDoc.str() + "]";
        if (r.expertiseNumber)
            line += " [" + r.expertiseNumber->str() + " " + std::to_string(*r.expertiseDate != 0) + " " +
                    r.expertiseDoc->str() + "]";
        return line;
    });
    const std::string reverted = preventive() ? " [ 0 ]" : " [ 0 ] [ 0 ]";
    const std::string otherFarm = preventive() ? " [7 1 a.doc]" : " [7 1 a.doc] [Э-3 1 e.doc]";
    EXPECT_EQ(shown[2], "1 00 [12/А 77 v.doc]" + reverted);
    EXPECT_EQ(shown[4], "1 00 [ 77 v.doc]" + reverted);
    EXPECT_EQ(shown[6], "1 11 [12/А 77 v.doc]" + otherFarm);
    EXPECT_EQ(shown[3], std::string("0 10 [ 77 v.doc] [ 0 a.doc]") + (preventive() ? "" : " [ 1 e.doc]"));
}

TEST_P(RecordMarkingTest, TheAnimalsPassportsOfTheFarmSwapTogether) {
    addPassport(1, 2, 1, "RU-7");
    addPassport(1, 2, 2, "RU-7");
    addPassport(1, 3, 3, "RU-7");
    addPassport(1, 2, 4, "RU-8");
    addPassport(1, 2, 5, "RU-7", [] { PAS->CHEK = 3; });
    setMarks("01003");
    withFiles([&] { markAnimal(1, 2, "RU-7"); });
    EXPECT_EQ(marks(), "10003");
}

TEST_P(RecordMarkingTest, AFileAnotherTransactionHoldsKeepsEveryRecordAndTheUserIsToldWhy) {
    WriteTally marked, deleted;
    withFiles([&] {
        // While a transaction holds the file, its own connection refuses writes.
        const dct::AccessRef file = planning::measureKind(kind()).measures.access;
        const store::Transaction holding({file->database()});
        ASSERT_TRUE(holding.begun());
        marked = markRecords(kind(), Marking::Measure, ActRule::Dated, context(0));
        deleted = deleteMarked(kind());
    });
    EXPECT_FALSE(marked.stored);
    EXPECT_FALSE(deleted.stored);
    EXPECT_EQ(recordMarks(), "00101012");
    EXPECT_EQ(messages(), (Lines{"Операция: База данных занята другой станцией. Повторите позже.",
                                 "Удаление выделенного мероприятия: База данных занята другой станцией. Повторите позже."}));
}

INSTANTIATE_TEST_SUITE_P(BothKinds, RecordMarkingTest,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

}  // namespace
}  // namespace vx::execution::testing
