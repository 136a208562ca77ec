// The analyses' scans: which records each one takes and what they add to the
// sums of each measure number and stage.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dictionary/names.h"
#include "execution/plan_analysis.h"
#include "execution/tests/analysis_fixture.h"
#include "platform/core/dates.h"

namespace vx::execution::testing {
namespace {

using office::MeasureTotals;

// "done/planned" of the row of a measure id, "-" when the row gets nothing.
std::string shown(const MeasureTotals& totals, const char* measureId) {
    const auto s = totals.forRow(id(measureId));
    return s ? s->done.plain() + "/" + s->planned.plain() : "-";
}

class JournalScan : public AnalysisTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        addJournalExample(GetParam());
    }

    MeasureTotals scan(AnalysisScope scope) {
        MeasureTotals totals;
        const dct::AccessRef records = planning::measureKind(GetParam()).measures.access;
        withFiles({records}, [&] {
            totals = scanAnalysis(AnalysisSource::Journal, GetParam(), {scope, Decimal(1), Decimal(1), {}});
        });
        return totals;
    }
};

TEST_P(JournalScan, SumsHeadsOfStagesZeroAndOneAndHeadTreatmentsOfStageTwo) {
    const struct {
        AnalysisScope scope;
        const char* m5;
        const char* m7first;
        const char* m7second;
    } cases[] = {
        {AnalysisScope::Holding, "2/0", "2/0", "3/0"},
        {AnalysisScope::Farm, "1/0", "2/0", "2/0"},
    };
    for (const auto& c : cases) {
        const MeasureTotals totals = scan(c.scope);
        SCOPED_TRACE(c.scope == AnalysisScope::Holding ? "by holding" : "by farm");
        EXPECT_EQ(shown(totals, "5.0"), c.m5);
        EXPECT_EQ(shown(totals, "7.1"), c.m7first);
        EXPECT_EQ(shown(totals, "7.0"), c.m7first);
        EXPECT_EQ(shown(totals, "7.2"), c.m7second);
        EXPECT_EQ(shown(totals, "7.3"), "-");
        EXPECT_EQ(shown(totals, "9.0"), "0/0");
    }
}

// Records of holding 0 and farm 0 without an animal have no entry in the key of
// holding and farm; they are read all the same.
TEST_P(JournalScan, ReadsEveryRecordOfHoldingZero) {
    addMeasure(GetParam(), 0, 0, "5.0", 4, 4, 0);
    addMeasure(GetParam(), 0, 0, "5.0", 3, 3);
    MeasureTotals totals;
    withFiles({planning::measureKind(GetParam()).measures.access}, [&] {
        totals = scanAnalysis(AnalysisSource::Journal, GetParam(), {AnalysisScope::Farm, Decimal(0), Decimal(0), {}});
    });
    EXPECT_EQ(shown(totals, "5.0"), "7/0");
}

INSTANTIATE_TEST_SUITE_P(Journals, JournalScan, ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic),
                         [](const auto& info) {
                             return info.param == MeasureKind::Preventive ? "Preventive" : "Diagnostic";
                         });

TEST(MeasureTotals, MeasureNumbersOutsideTheAccumulatorAddNothingAndShowNothing) {
    MeasureTotals totals;
    for (const char* measureId : {"0.0", "0.1", "-3.0", "2001.0", "2500.2", "1.0", "2000.2"})
        totals.add(id(measureId), {Decimal(5), Decimal(7), Decimal(1), Decimal(2)});
    for (const char* outside : {"0", "0.1", "-3", "2001", "2500.2"}) EXPECT_EQ(shown(totals, outside), "-") << outside;
    EXPECT_EQ(shown(totals, "1"), "5/1");
    EXPECT_EQ(shown(totals, "2000.2"), "7/2");
    EXPECT_EQ(shown(totals, "2000.1"), "0/0");
    EXPECT_EQ(shown(totals, "1.05"), "-");  // an id read back is compared exactly
}

class CalculatorScan : public AnalysisTest {};

TEST_F(CalculatorScan, CountsPlanAndDoneFlagsOfRecordsDatedInThePeriod) {
    const int32_t before = makeDate(12, 1, 2024), march = makeDate(3, 10, 2025), april = makeDate(4, 1, 2025),
                  december = makeDate(12, 1, 2025);
    const MeasureKind kind = MeasureKind::Diagnostic;
    addCount(kind, {1, 1, 1, "12.0", true, false, march, 0, 100, 0});
    addCount(kind, {1, 1, 1, "12.0", false, true, 0, april, 0, 80});
    addCount(kind, {1, 1, 1, "12.0", true, true, march, april, 10, 10});  // both flags: both sums
    addCount(kind, {1, 1, 1, "12.2", true, false, before, april, 7, 0});  // planned before, done in the period
    addCount(kind, {1, 1, 2, "12.2", false, true, 0, december, 0, 40});   // another species counts as well
    addCount(kind, {1, 1, 1, "12.0", true, false, before, 0, 30, 0});
    addCount(kind, {1, 1, 1, "12.0", false, false, march, 0, 500, 500});  // neither flag
    addCount(kind, {1, 2, 1, "12.0", true, false, march, 0, 1000, 0});    // another farm
    addCount(kind, {2, 1, 1, "12.0", true, false, march, 0, 5000, 0});    // another holding

    const struct {
        int32_t first, last;
        AnalysisScope scope;
        const char* m12;
        const char* m12second;
    } cases[] = {
        {makeDate(1, 1, 2025), makeDate(12, 31, 2025), AnalysisScope::Farm, "90/110", "40/7"},
        {makeDate(1, 1, 2025), makeDate(12, 31, 2025), AnalysisScope::Holding, "90/1110", "40/7"},
        {march, march, AnalysisScope::Farm, "10/110", "0/0"},              // bounds included
        {0, 0, AnalysisScope::Farm, "90/140", "40/7"},                     // no period: every record
        {0, makeDate(3, 31, 2025), AnalysisScope::Farm, "10/140", "0/7"},  // dates of 0 never inside
        {april, 0, AnalysisScope::Farm, "90/10", "40/7"},
    };
    for (const auto& c : cases) {
        MeasureTotals totals;
        withFiles({dct::Access::DVSEGO}, [&] {
            totals = scanAnalysis(AnalysisSource::Calculator, kind,
                                  {c.scope, Decimal(1), Decimal(1), AnalysisPeriod{c.first, c.last}});
        });
        SCOPED_TRACE(formatDate(c.first) + "--" + formatDate(c.last));
        EXPECT_EQ(shown(totals, "12.0"), c.m12);
        EXPECT_EQ(shown(totals, "12.1"), c.m12);
        EXPECT_EQ(shown(totals, "12.2"), c.m12second);
    }
}

}  // namespace
}  // namespace vx::execution::testing
