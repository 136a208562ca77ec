#include <gtest/gtest.h>

#include <optional>

#include "context/globals.h"
#include "planning/schemes/measure_picker.h"
#include "planning/schemes/tests/schemes_fixture.h"
#include "platform/core/dates.h"

namespace vx::planning::schemes::testing {
namespace {

class SchemeListTest : public SchemesTest {
protected:
    void SetUp() override {
        SchemesTest::SetUp();
        addSpecies(1, "КРС");
        addSpecies(2, "Свиньи");
        addScheme(MeasureKind::Preventive, 152, 2, "Ревакцинация", set(0, 1, 0), set(0, 1, 0));
        addScheme(MeasureKind::Preventive, 150, 1, "Вакцинация", set(30, 1, 1, makeDate(9, 1, 2025)), set(45, 1, 2), 1);
        addScheme(MeasureKind::Diagnostic, 71, 2, "Туберкулинизация", set(10, 2, 3), set(20, 4, 5));
        glo::IDBOL = 99;
    }
};

TEST_F(SchemeListTest, ListsTheSchemesByIdWithTheirSpeciesMarkAndStageStyle) {
    PLAY(h->start("BrwtaskVPO"));
    EXPECT_EQ(rows("?BROWSE:1"),
              (Lines{"15.0|Вакцинация|КРС|1|1|1|01.09.2025|30|1|2||45", "15.2|Ревакцинация|Свиньи|2|1||||1|||"}));
    EXPECT_EQ(h->cellLook("?BROWSE:1", 1, 1)->icon, 1);
    EXPECT_EQ(h->cellLook("?BROWSE:1", 1, 2)->style, 0);
    EXPECT_EQ(h->cellLook("?BROWSE:1", 2, 1)->icon, 0);
    EXPECT_EQ(h->cellLook("?BROWSE:1", 2, 2)->style, 1);

    PLAY(h->start("BrwtaskVDI"));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"7.1|Туберкулинизация|Свиньи|2|3||10|4|5||20"}));
    EXPECT_EQ(h->cellLook("?BROWSE:1", 1, 2)->style, 1);
}

TEST_F(SchemeListTest, ARowEventPublishesTheSchemeButOnlyTheChoiceChangesIDBOL) {
    PLAY(h->start("BrwtaskVPO"));
    PLAY(h->select("?BROWSE:1", 2));
    EXPECT_EQ(glo::IDTASK.value(), Decimal::fromMantissa(152, 1));
    EXPECT_EQ(glo::IDVIDANIM.value(), Decimal(2));
    EXPECT_EQ(glo::TASKBOL.str(), "Ревакцинация");
    EXPECT_EQ(glo::IDBOL.value(), Decimal(99));
    PLAY(h->expectValue("?ANI:NAME", "Свиньи"));
    PLAY(h->expectValue("?IDTASK", "15.2"));

    PLAY(h->select("?BROWSE:1", 1));
    EXPECT_EQ(glo::GOPLANM.value(), Decimal(2));
    EXPECT_EQ(glo::PREDATA, makeDate(9, 1, 2025));
    PLAY(h->press("?SELECT"));
    EXPECT_EQ(glo::IDBOL.value(), Decimal(15));
    EXPECT_EQ(glo::TASNAME.str(), "Вакцинация");
    PLAY(h->expectWindow("BrwtaskVPO"));  // choosing does not close
}

TEST_F(SchemeListTest, TheDiagnosticChoiceSetsTheMeasureIdWhenTheButtonGetsTheFocus) {
    PLAY(h->start("BrwtaskVDI"));
    glo::IDTASK = 0;
    PLAY(h->focus("?SELECT"));
    EXPECT_EQ(glo::IDTASK.value(), Decimal::fromMantissa(71, 1));
    EXPECT_EQ(glo::GLPLANM.value(), Decimal(4));
    EXPECT_EQ(glo::IDBOL.value(), Decimal(99));
}

TEST_F(SchemeListTest, TheExcelKeysAskForATemplateAndGoOnWithTheHeldPathWhenCancelled) {
    glo::NPDF = "/нет/справка.xls";
    PLAY(h->start("BrwtaskVPO"));
    PLAY(h->file(""));
    PLAY(h->key("?BROWSE:1", "Alt+P"));
    EXPECT_EQ(glo::NPDF.str(), "/нет/справка.xls");
    PLAY(h->window("BrwtaskVPO"));
    PLAY(h->focus("?INSERT:3"));
    PLAY(h->file("/нет/список.xls"));
    PLAY(h->key("", "Alt+X"));
    EXPECT_EQ(glo::NAMEFILE.str(), "/нет/список.xls");
    // A template that does not open is told about, and the fill stops there.
    const Lines shown = messages();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], "Выбор файла Шаблон Справка.xls: ");
    EXPECT_NE(shown[1].find("/нет/справка.xls"), std::string::npos) << shown[1];
    EXPECT_EQ(shown[2], "Список животных с незапланированными мероприятиями: ");
    EXPECT_NE(shown[3].find("/нет/список.xls"), std::string::npos) << shown[3];
}

TEST_F(SchemeListTest, ACancelledTemplateDialogWithNoPathFromBeforeEndsTheFillUntold) {
    glo::NPDF = "";
    PLAY(h->start("BrwtaskVPO"));
    PLAY(h->file(""));
    PLAY(h->key("?BROWSE:1", "Alt+P"));
    EXPECT_EQ(glo::NPDF.str().find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(messages(), (Lines{"Выбор файла Шаблон Справка.xls: "}));
}

class PickerTest : public SchemeListTest {
protected:
    void SetUp() override {
        SchemeListTest::SetUp();
        h->addProcedure("Picker", [this] { picked = pickMeasure(MeasureKind::Preventive); });
    }
    std::optional<Scheme> picked;
};

TEST_F(PickerTest, ClosedWithoutAChoiceGivesNoneAndLeavesIDBOL) {
    PLAY(h->start("Picker"));
    PLAY(h->expectWindow("BrwtaskVPO"));
    PLAY(h->select("?BROWSE:1", 2));
    PLAY(h->close());
    PLAY(h->expectClosed("BrwtaskVPO"));
    EXPECT_FALSE(picked);
    EXPECT_EQ(glo::IDBOL.value(), Decimal(99));
}

TEST_F(PickerTest, GivesTheLastChosenSchemeWhateverIsHighlightedAfterIt) {
    PLAY(h->start("Picker"));
    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->press("?SELECT"));
    PLAY(h->select("?BROWSE:1", 2));
    PLAY(h->press("?SELECT"));
    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->close());
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->id, Decimal::fromMantissa(152, 1));
    EXPECT_EQ(picked->species, Decimal(2));
    EXPECT_EQ(picked->name, "Ревакцинация");
    // The globals still follow every row event, as other windows read them.
    EXPECT_EQ(glo::IDBOL.value(), Decimal::fromMantissa(152, 1));
    EXPECT_EQ(glo::IDVIDANIM.value(), Decimal(1));
    EXPECT_EQ(glo::TASKBOL.str(), "Вакцинация");
}

}  // namespace
}  // namespace vx::planning::schemes::testing
