#include <gtest/gtest.h>

#include "app/globals.h"
#include "dictionary/names.h"
#include "registry/marking/passport_marking.h"
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
        const char* message;
    } cases[] = {
        {11, "100010011", "Незапланировано диагностическое мероприятие"},
        {12, "101110011", "Незапланировано или невыполнено диагностическое мероприятие"},
        {13, "000110000", "Невыполнено диагностическое мероприятие"},
        {17, "011110000", "Запланировано диагностическое мероприятие"},
        {14, "100010011", "Незапланировано профилактическое мероприятие"},
        {15, "101110011", "Незапланировано или невыполнено профилактическое мероприятие"},
        {16, "000110000", "Невыполнено профилактическое мероприятие"},
        {18, "011110000", "Запланировано профилактическое мероприятие"},
    };
    for (const auto& c : cases) {
        for (MarkingPath path : {MarkingPath::Key, MarkingPath::List}) {
            glo::TASKBOL = "Схема";
            glo::UNIK = 0;
            run([&] { runMarking(c.mode, path, {Decimal::parse("5.0").value(), Decimal(1)}); });
            EXPECT_EQ(marks(), c.after) << "mode " << c.mode;
            EXPECT_EQ(shown().back(), std::string(c.message) + ": Отметка животных завершена!");
            EXPECT_EQ(glo::TASKBOL.str(), "Схема");  // what the picker wrote stays
            EXPECT_EQ(glo::UNIK.toInt(), 9);
            setMarks("000010000");
        }
    }
}

TEST_F(PlanStatusTest, ThePickerResultIsReadFromTheGlobalsOfItsMeasureFile) {
    glo::IDTASK = Decimal::parse("5.0").value();
    glo::IDBOL = Decimal::parse("6.0").value();
    glo::IDVIDANIM = 1;
    EXPECT_EQ(measureFileOf(13), MeasureFile::Diagnostic);
    EXPECT_EQ(measureFileOf(18), MeasureFile::Preventive);
    run([] { runMarking(17, MarkingPath::List, pickedMeasure(measureFileOf(17))); });
    EXPECT_EQ(marks(), "011110000");
    setMarks("000010000");
    run([] { runMarking(18, MarkingPath::List, pickedMeasure(measureFileOf(18))); });
    EXPECT_EQ(marks(), "000010010");
}

TEST_F(MarkingTest, AMeasureAndSpeciesOfZeroStillFindTheirRecords) {
    addAnimals({{1, 1, "Z1", 0}, {1, 1, "Z2", 0}});
    addMeasures({{1, "0", 0}}, true);
    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    run([] { runMarking(17, MarkingPath::Key, {Decimal(0), Decimal(0)}); });
    EXPECT_EQ(marks(), "10");
}

}  // namespace
}  // namespace vx::registry::marking::testing
