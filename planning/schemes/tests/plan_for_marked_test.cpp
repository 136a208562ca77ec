#include <sqlite3.h>

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/schemes/plan_for_marked.h"
#include "planning/schemes/tests/schemes_fixture.h"
#include "platform/core/dates.h"

namespace vx::planning::schemes::testing {
namespace {

using namespace dct;

const char* planCaption(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? "Планирование профилактического мероприятия"
                                           : "Планирование диагностического мероприятия";
}

std::string planMessage(MeasureKind kind) {
    return std::string(planCaption(kind)) + ": " +
           (kind == MeasureKind::Preventive ? "Профилактическое" : "Диагностическое") +
           " мероприятие добавлено! Снимите пометку запис(и/ей)!";
}

// A: species 1 main herd, B: species 1 young stock, C: species 2 marked, D: species 1 not marked.
class PlanForMarkedTest : public SchemesTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    void SetUp() override {
        SchemesTest::SetUp();
        addSpecies(1, "КРС");
        addSpecies(2, "Свиньи");
        addScheme(kind(), 150, 1, "Вакцинация", set(30, 1, 1), set(45, 1, 2));
        addPassport(1, 1, kMain, makeDate(3, 15, 2020), 1);
        addPassport(2, 1, kYoung, makeDate(7, 10, 2024), 1);
        addPassport(3, 2, kMain, makeDate(3, 15, 2020), 1);
        addPassport(4, 1, kMain, makeDate(3, 15, 2020), 0);
    }
    MeasureKind kind() const { return GetParam(); }
    std::string suffix() const { return kind() == MeasureKind::Diagnostic ? " r0" : ""; }
    void plan() {
        PLAY(h->select("?BROWSE:1", 1));
        PLAY(h->press("?BUTTON4"));
    }
};

TEST_P(PlanForMarkedTest, PlansEveryMarkedAnimalOfTheSchemesSpeciesByItsHerdAndAgainWhenPressedAgain) {
    // The animal another window highlighted.
    glo::IDHOZ = 5;
    glo::IDFERM = 6;
    glo::IDANIM = "Z";
    glo::UNIK = 9;
    glo::IDPOL = 4;
    glo::DATAROG = makeDate(1, 2, 2021);
    PLAY(h->start(listOf(kind())));
    plan();
    const Lines once{"1 15.0 1 14.04.2025 1/1" + suffix(), "2 15.0 1 24.08.2025 1/2" + suffix()};
    EXPECT_EQ(measures(kind()), once);
    EXPECT_EQ(messages(), (Lines{planMessage(kind())}));
    // The context stays on that animal, not on the last one planned.
    EXPECT_EQ(glo::IDHOZ.value(), Decimal(5));
    EXPECT_EQ(glo::IDFERM.value(), Decimal(6));
    EXPECT_EQ(glo::IDANIM.str(), "Z");
    EXPECT_EQ(glo::UNIK.value(), Decimal(9));
    EXPECT_EQ(glo::IDPOL.value(), Decimal(4));
    EXPECT_EQ(glo::DATAROG, makeDate(1, 2, 2021));

    plan();
    EXPECT_EQ(measures(kind()).size(), 4u);
    const MeasureKind other = kind() == MeasureKind::Preventive ? MeasureKind::Diagnostic : MeasureKind::Preventive;
    EXPECT_TRUE(measures(other).empty());
}

TEST_P(PlanForMarkedTest, TakesTheSchemeHighlightedHereWhateverTheGlobalsHold) {
    addScheme(kind(), 162, 1, "Вторая стадия", set(0, 3, 0, makeDate(9, 1, 2025)), set(0, 4, 0, makeDate(9, 2, 2025)));
    PLAY(h->start(listOf(kind())));
    PLAY(h->select("?BROWSE:1", 2));
    glo::IDTASK = 99;
    glo::IDVIDANIM = 2;
    glo::GLPLAN = 7;
    glo::PREDATA = 0;
    PLAY(h->press("?BUTTON4"));
    EXPECT_EQ(measures(kind()), (Lines{"1 16.2 1 01.09.2025 3/0" + suffix(), "2 16.2 1 02.09.2025 4/0" + suffix()}));
}

TEST_P(PlanForMarkedTest, SkipsAndCountsAnimalsPlannedByDaysWithoutABirthDate) {
    addPassport(5, 1, kMain, 0, 1);
    addPassport(6, 1, kYoung, 0, 1);
    addPassport(7, 1, 0, makeDate(3, 15, 2020), 1);  // neither herd: nothing, no word
    PLAY(h->start(listOf(kind())));
    plan();
    EXPECT_EQ(measures(kind()).size(), 2u);
    EXPECT_EQ(messages(), (Lines{planMessage(kind()), std::string(planCaption(kind())) +
                                                          ": Не запланировано животных без даты рождения: 2.\n"
                                                          "Укажите дату рождения в паспорте животного."}));
}

TEST_P(PlanForMarkedTest, WithoutADatabaseTheWindowSaysSoAndCloses) {
    forgetDatabase();
    PLAY(h->start(listOf(kind())));
    plan();
    EXPECT_EQ(messages(), (Lines{"База данных не выбрана: Сначала подключите базу данных (меню «Файл» - «Подключить "
                                 "БД...»)."}));
    PLAY(h->expectClosed(listOf(kind())));
}

INSTANTIATE_TEST_SUITE_P(BothKinds, PlanForMarkedTest,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

class PlanOutcomeTest : public SchemesTest {};

TEST_F(PlanOutcomeTest, AFixedDatePlansAnimalsWithoutABirthDate) {
    addPassport(1, 1, kMain, 0, 1);
    const Scheme s{Decimal(15), Decimal(1), "С датой", set(30, 1, 1, makeDate(9, 1, 2025)), set(0, 0, 0)};
    PlanOutcome outcome;
    onThread([&] {
        for (AccessRef f : {Access::PASPORT, Access::VPO}) f->open(), f->useFile();
        outcome = planForMarked(MeasureKind::Preventive, s);
        for (AccessRef f : {Access::PASPORT, Access::VPO}) f->close();
    });
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(measures(MeasureKind::Preventive), (Lines{"1 15.0 1 01.09.2025 1/1"}));
}

TEST_F(PlanOutcomeTest, APlanThatCannotBeWrittenAddsNothingAndNamesTheCauseInsteadOfSuccess) {
    addPassport(1, 1, kMain, makeDate(3, 15, 2020), 1);
    addPassport(2, 1, kYoung, makeDate(3, 15, 2020), 1);
    const Scheme s{Decimal(15), Decimal(1), "Занято", set(30, 1, 1), set(30, 1, 1)};
    sqlite3* other = nullptr;  // another station in the middle of its write
    ASSERT_EQ(sqlite3_open(glo::PUT5.str().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    PlanOutcome outcome;
    onThread([&] {
        outcome = planForMarked(MeasureKind::Diagnostic, s);
        reportPlan(MeasureKind::Diagnostic, outcome);
    });
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_FALSE(outcome.stored);
    EXPECT_TRUE(measures(MeasureKind::Diagnostic).empty());
    EXPECT_EQ(messages(), (Lines{"Планирование диагностического мероприятия: База данных занята другой станцией. "
                                 "Повторите позже."}));
}

}  // namespace
}  // namespace vx::planning::schemes::testing
