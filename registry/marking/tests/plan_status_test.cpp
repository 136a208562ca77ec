#include <gtest/gtest.h>

#include "app/globals.h"
#include "dictionary/names.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/tests/marking_fixture.h"

namespace vx::registry::marking::testing {
namespace {

using namespace dct;

// Species 1 and measure 5.0 are picked; holding 1, farm 1 is current.
class PlanStatusTest : public MarkingTest {
protected:
    void SetUp() override {
        MarkingTest::SetUp();
        addAnimals({
            {1, 1, "Q1", 1},                      // no record of the measure
            {1, 1, "Q2", 1},                      // done
            {1, 1, "Q3", 1},                      // partly done: no acceptance of the young stock
            {1, 1, "Q4", 1},                      // not started
            {1, 1, "Q5", 1, 0, 0, "Продажа", 0, 0, "", 1},  // disposed of, marked before
            {1, 1, "Q6", 2},                      // another species
            {2, 1, "Q7", 1},                      // another holding, same farm number
            {1, 1, "Q8", 1},                      // only another measure
            {1, 1, "Q9", 1},                      // the measure for another species
        });
        const std::vector<Measure> measures = {
            {2, "5.0", 1, 90000, 3, 1}, {3, "5.0", 1, 90000, 3, 0}, {4, "5.0", 1},
            {7, "6.0", 1},              {8, "6.0", 1, 90000, 1, 1}, {9, "5.0", 2},
        };
        addMeasures(measures, true);
        addMeasures(measures, false);
        glo::IDHOZ = 1;
        glo::IDFERM = 1;
    }
};

TEST_F(PlanStatusTest, EachModeMarksByTheStateOfThePickedMeasureAndKeepsOtherMarks) {
    const struct {
        int mode;
        const char* after;
    } cases[] = {
        {11, "100010011"}, {12, "101110011"}, {13, "000110000"}, {17, "011110000"},
        {14, "100010011"}, {15, "101110011"}, {16, "000110000"}, {18, "011110000"},
    };
    for (const auto& c : cases) {
        glo::UNIK = 0;
        run([&] { ASSERT_TRUE(markByPlanStatus(c.mode, {Decimal::parse("5.0").value(), Decimal(1)})); });
        EXPECT_EQ(marks(), c.after) << "mode " << c.mode;
        EXPECT_EQ(glo::UNIK.toInt(), 9);  // the last passport of the file
        setMarks("000010000");
    }
}

TEST_F(MarkingTest, AMeasureAndSpeciesOfZeroStillFindTheirRecords) {
    addAnimals({{1, 1, "Z1", 0}, {1, 1, "Z2", 0}});
    addMeasures({{1, "0", 0}}, true);
    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    run([] { markByPlanStatus(17, {Decimal(0), Decimal(0)}); });
    EXPECT_EQ(marks(), "10");
}

}  // namespace
}  // namespace vx::registry::marking::testing
