#include <gtest/gtest.h>

#include "context/globals.h"
#include "planning/cards/tests/cards_fixture.h"
#include "platform/core/dates.h"

namespace vx::planning::cards::testing {
namespace {

class CardListTest : public CardsTest, public ::testing::WithParamInterface<MeasureKind> {
protected:
    void SetUp() override {
        CardsTest::SetUp();
        addSpecies(1, "КРС");
        addSpecies(2, "Свиньи");
        addCard(kind(), 1, 1, "Карта КРС");
        addCard(kind(), 2, 2, "Карта свиней");
        addLine(kind(), {.card = 1, .tenths = 200, .species = 1, .days = 10, .name = "Туберкулинизация"});
        addLine(
            kind(),
            {.card = 1, .tenths = 211, .species = 1, .days = 0, .fixed = makeDate(6, 1, 2025), .name = "Исследование"});
        addLine(kind(), {.card = 2, .tenths = 220, .species = 2, .days = 30, .name = "Вакцинация"});
    }
    MeasureKind kind() const { return GetParam(); }
    const CardBook& book() const { return measureKind(kind()).cards; }
};

TEST_P(CardListTest, ShowsTheCardsWithTheirSpeciesAndTheLinesOfTheHighlightedOne) {
    PLAY(h->start(listOf(kind())));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"1|КРС|Карта КРС|0001", "2|Свиньи|Карта свиней|0002"}));
    EXPECT_EQ(rows("?LIST"), (Lines{"1|20.0|Туберкулинизация||10", "1|21.1|Исследование|01.06.2025|"}));
    EXPECT_EQ(glo::IDKARTIP.value(), Decimal(1));
    PLAY(h->select("?BROWSE:1", 2));
    EXPECT_EQ(rows("?LIST"), (Lines{"2|22.0|Вакцинация||30"}));
    EXPECT_EQ(glo::IDKARTIP.value(), Decimal(2));
    EXPECT_EQ(glo::IDVIDANIM.value(), Decimal(2));
}

TEST_P(CardListTest, TheCardListIgnoresTheEditKeysAndTheRightClick) {
    PLAY(h->start(listOf(kind())));
    for (const char* keys : {"Insert", "Delete", "Ctrl+Enter", "MouseRight"}) {
        PLAY(h->key("?BROWSE:1", keys));
        PLAY(h->expectWindow(listOf(kind())));
        EXPECT_TRUE(h->messages().empty()) << keys;
    }
    EXPECT_EQ(cards(kind()).size(), 2u);
}

TEST_P(CardListTest, DeletingACardAsksAndTakesItsLinesWithIt) {
    addLine(kind(), {.card = 1, .tenths = 230, .species = 1, .days = 3, .name = "Третья"});
    PLAY(h->start(listOf(kind())));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?DELETE:3"));
    EXPECT_EQ(messages(), (Lines{"Confirm Delete: Удалить запись?"}));
    EXPECT_EQ(cards(kind()), (Lines{"2 2 Карта свиней"}));
    EXPECT_EQ(lines(kind()), (Lines{"2 22.0 Вакцинация 2 30 0/0  0 0"}));
    EXPECT_EQ(rows("?LIST"), (Lines{"2|22.0|Вакцинация||30"}));
}

TEST_P(CardListTest, RenumberingACardCarriesItsLines) {
    PLAY(h->start(listOf(kind())));
    PLAY(h->press("?CHANGE:3"));
    PLAY(h->expectWindow(book().cardForm));
    PLAY(h->type(book().cardControl("IDKARTIP"), "7"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(book().cardForm));
    EXPECT_EQ(cards(kind()), (Lines{"7 1 Карта КРС", "2 2 Карта свиней"}));
    EXPECT_EQ(lines(kind()), (Lines{"7 20.0 Туберкулинизация 1 10 0/0  0 0",
                                    "7 21.1 Исследование 1 0 0/0 01.06.2025 0 0", "2 22.0 Вакцинация 2 30 0/0  0 0"}));
}

INSTANTIATE_TEST_SUITE_P(BothKinds, CardListTest, ::testing::ValuesIn(kMeasureKinds));

}  // namespace
}  // namespace vx::planning::cards::testing
