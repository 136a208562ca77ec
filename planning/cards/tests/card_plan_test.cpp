#include <sqlite3.h>

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/cards/card_plan.h"
#include "planning/cards/tests/cards_fixture.h"
#include "platform/core/dates.h"

namespace vx::planning::cards::testing {
namespace {

using namespace dct;

std::string doneMessage(MeasureKind kind) {
    const CardBook& c = measureKind(kind).cards;
    return std::string(c.planCaption) + ": " + c.planDone;
}

// Card 1 of species 1: L1 by days with a preparation and a norm, L2 on a fixed
// date, L3 for species 2. A (species 1) and B (species 2) marked, C (species 1) not.
class CardPlanTest : public CardsTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    void SetUp() override {
        CardsTest::SetUp();
        addSpecies(1, "КРС");
        addSpecies(2, "Свиньи");
        addCard(kind(), 1, 1, "Карта КРС");
        addLine(kind(), {.card = 1,
                         .tenths = 200,
                         .species = 1,
                         .days = 10,
                         .heads = 1,
                         .treatments = 1,
                         .preparation = 7,
                         .normTenths = 25});
        addLine(kind(), {.card = 1, .tenths = 211, .species = 1, .days = 0, .fixed = makeDate(6, 1, 2025)});
        addLine(kind(), {.card = 1, .tenths = 220, .species = 2, .days = 30});
        addPassport(1, 1, kMain, makeDate(3, 15, 2020), 1);
        addPassport(2, 2, kYoung, makeDate(12, 20, 2023), 1);
        addPassport(3, 1, kMain, makeDate(3, 15, 2020), 0);
    }
    MeasureKind kind() const { return GetParam(); }
};

const Lines kPlannedOnce{"1 20.0 1 25.03.2025 1/1 7 2.5 1/2 ИН1 11 |", "1 21.1 1 01.06.2025 0/0 0 0 1/2 ИН1 11 |",
                         "2 22.0 2 19.01.2026 0/0 0 0 1/3 ИН2 12 |"};

TEST_P(CardPlanTest, PlansEveryLineOfTheAnimalsSpeciesForEveryMarkedAnimalAndAgainWhenPressedAgain) {
    glo::NAKT = "А-17";
    glo::DAKT = makeDate(5, 1, 2025);
    glo::NEKSP = "Э-3";
    // The animal another window highlighted.
    glo::IDHOZ = 5;
    glo::IDFERM = 6;
    glo::IDANIM = "Z";
    glo::UNIK = 9;
    glo::IDPOL = 4;
    PLAY(h->start(listOf(kind())));
    PLAY(h->press("?BUTTON7"));
    EXPECT_EQ(planned(kind()), kPlannedOnce);
    EXPECT_TRUE(planned(otherThan(kind())).empty());
    EXPECT_EQ(messages(), (Lines{doneMessage(kind())}));
    EXPECT_EQ(glo::NAKT.str(), "");
    EXPECT_EQ(glo::DAKT, 0);
    EXPECT_EQ(glo::NEKSP.str(), "");
    // The context stays on that animal and the species on the highlighted card's.
    EXPECT_EQ(glo::IDHOZ.value(), Decimal(5));
    EXPECT_EQ(glo::IDFERM.value(), Decimal(6));
    EXPECT_EQ(glo::IDANIM.str(), "Z");
    EXPECT_EQ(glo::UNIK.value(), Decimal(9));
    EXPECT_EQ(glo::IDPOL.value(), Decimal(4));
    EXPECT_EQ(glo::IDVIDANIM.value(), Decimal(1));

    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->press("?BUTTON7"));
    Lines twice = kPlannedOnce;
    twice.insert(twice.end(), kPlannedOnce.begin(), kPlannedOnce.end());
    EXPECT_EQ(planned(kind()), twice);
}

TEST_P(CardPlanTest, TabbingOntoTheButtonPlansAsWell) {
    PLAY(h->start(listOf(kind())));
    PLAY(h->focus(measureKind(kind()).cards.planBeforeLines ? "?DELETE:3" : "?DELETE"));
    PLAY(h->key("", "Tab"));
    EXPECT_EQ(planned(kind()), kPlannedOnce);
}

TEST_P(CardPlanTest, SkipsAndCountsAnimalsPlannedByDaysWithoutABirthDateAndLinesWithANegativeDate) {
    addPassport(4, 1, kMain, 0, 1);
    addLine(kind(), {.card = 1, .tenths = 230, .species = 1, .days = 5, .fixed = -3});
    PLAY(h->start(listOf(kind())));
    PLAY(h->press("?BUTTON7"));
    Lines expected = kPlannedOnce;
    expected.push_back("4 21.1 1 01.06.2025 0/0 0 0 1/2 ИН4 11 |");
    EXPECT_EQ(planned(kind()), expected);
    const std::string caption = measureKind(kind()).cards.planCaption;
    EXPECT_EQ(messages(), (Lines{doneMessage(kind()), caption + ": Не запланировано животных без даты рождения: 1.\n"
                                                                "Укажите дату рождения в паспорте животного."}));
}

TEST_P(CardPlanTest, PlansTheCardHighlightedHereWhateverCardTheOtherWindowLeft) {
    addCard(kind(), 2, 1, "Вторая");
    addLine(kind(), {.card = 2, .tenths = 300, .species = 1, .days = 0, .fixed = makeDate(7, 1, 2025)});
    const MeasureKind other = otherThan(kind());
    addCard(other, 1, 1, "Первая");
    addCard(other, 2, 1, "Вторая");
    PLAY(h->start(listOf(kind())));
    PLAY(h->start(listOf(other)));
    PLAY(h->select("?BROWSE:1", 2));
    EXPECT_EQ(glo::IDKARTIP.value(), Decimal(2));
    PLAY(h->window(listOf(kind())));
    PLAY(h->press("?BUTTON7"));
    EXPECT_EQ(planned(kind()), kPlannedOnce);
}

TEST_P(CardPlanTest, WithoutCardsNothingIsPlannedAndTheMessageSaysSoAsEver) {
    const MeasureKind other = otherThan(kind());
    PLAY(h->start(listOf(other)));
    PLAY(h->press("?BUTTON7"));
    EXPECT_TRUE(planned(other).empty());
    EXPECT_EQ(messages(), (Lines{doneMessage(other)}));
}

TEST_P(CardPlanTest, APlanThatCannotBeWrittenAddsNothingAndNamesTheCauseInsteadOfSuccess) {
    sqlite3* other = nullptr;  // another station in the middle of its write
    ASSERT_EQ(sqlite3_open(glo::PUT5.str().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    PlanOutcome outcome;
    onThread([&] {
        outcome = planCard(kind(), Decimal(1));
        reportCardPlan(kind(), outcome);
    });
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_FALSE(outcome.stored);
    EXPECT_TRUE(planned(kind()).empty());
    EXPECT_EQ(messages(), (Lines{std::string(measureKind(kind()).cards.planCaption) +
                                 ": База данных занята другой станцией. Повторите позже."}));
}

INSTANTIATE_TEST_SUITE_P(BothKinds, CardPlanTest, ::testing::ValuesIn(kMeasureKinds));

}  // namespace
}  // namespace vx::planning::cards::testing
