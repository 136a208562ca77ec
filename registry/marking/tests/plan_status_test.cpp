#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "registry/marking/marking_scans.h"
#include "registry/marking/tests/marking_fixture.h"

namespace vx::registry::marking::testing {
namespace {

using namespace dct;

class PlanStatusTest : public MarkingTest {
protected:
    void SetUp() override {
        MarkingTest::SetUp();
        addHerd(planStatusHerd());
        addMeasures(planStatusMeasures(), true);
        addMeasures(planStatusMeasures(), false);
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
    addHerd({{1, 1, "Z1", 0}, {1, 1, "Z2", 0}});
    addMeasures({{1, "0", 0}}, true);
    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    run([] { markByPlanStatus(17, {Decimal(0), Decimal(0)}); });
    EXPECT_EQ(marks(), "10");
}

}  // namespace
}  // namespace vx::registry::marking::testing
