#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/cards/cards_windows.h"
#include "planning/cards/tests/cards_fixture.h"
#include "platform/core/dates.h"
#include "platform/runtime/thread_state.h"
#include "tests/refused_entry.h"

namespace vx::planning::cards::testing {
namespace {

using namespace dct;

const std::string kLongName = "Исследование крови на лейкоз методом";  // 36 characters

// Card 1 of species 1 with one line (5/5 planned, a measure of no stage); the schemes of species 1 come after one of species 2.
class CardFormsTest : public CardsTest {
protected:
    void SetUp() override {
        CardsTest::SetUp();
        addSpecies(1, "КРС");
        addSpecies(2, "Свиньи");
        for (MeasureKind kind : kMeasureKinds) {
            addCard(kind, 1, 1, "Карта КРС");
            addLine(kind, {.card = 1,
                           .tenths = 503,
                           .species = 1,
                           .days = 4,
                           .heads = 5,
                           .treatments = 5,
                           .preparation = 9,
                           .normTenths = 15,
                           .name = "Старая"});
            addDosedScheme(kind, 100, 2, "Свиная", 1, 1);
            addDosedScheme(kind, 201, 1, "Туберкулинизация", 7, 25);
            addDosedScheme(kind, 212, 1, "Вторая стадия", 3, 5);
            addDosedScheme(kind, 213, 1, "Без стадии", 3, 5);
            addDosedScheme(kind, 220, 1, kLongName, 4, 10);
        }
    }
    static const CardBook& book(MeasureKind kind) { return measureKind(kind).cards; }
    static std::string measureList(MeasureKind kind) {
        const SchemeBook& s = measureKind(kind).schemes;
        return s.control(s.fields.name);
    }
};

class NewLineTest : public CardFormsTest, public ::testing::WithParamInterface<MeasureKind> {};

TEST_P(NewLineTest, TakesTheSpeciesOfItsCardAndTheFirstSchemeOfItWithItsDoseAndStageDefaults) {
    const MeasureKind kind = GetParam();
    const CardBook& c = book(kind);
    PLAY(h->start(listOf(kind)));
    glo::IDVIDANIM = 2;  // another window's species
    PLAY(h->key("?LIST", "Insert"));
    PLAY(h->expectWindow(c.lineForm));
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->expectValue(c.lineControl("IDKARTIP"), "1"));
    PLAY(h->expectValue(c.lineControl("VIDANIM"), "1"));
    PLAY(h->expectValue(c.lineControl("IDTASK"), "20.1"));
    PLAY(h->expectValue(c.lineControl("GLPLAN"), "1"));
    PLAY(h->expectValue(c.lineControl("GOPLAN"), "1"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(c.lineForm));
    EXPECT_EQ(lines(kind).back(), "1 20.1 Туберкулинизация 1 0 1/1  7 2.5");
}

TEST_P(NewLineTest, OffersEverySpeciesAndAnotherOneBringsItsOwnSchemes) {
    const MeasureKind kind = GetParam();
    const CardBook& c = book(kind);
    PLAY(h->start(listOf(kind)));
    PLAY(h->key("?LIST", "Insert"));
    PLAY(h->expectRows("?ANI:NAME", 2));
    PLAY(h->expectValue("?ANI:NAME", "КРС"));
    PLAY(h->choose("?ANI:NAME", "Свиньи"));
    PLAY(h->expectValue(c.lineControl("VIDANIM"), "2"));
    PLAY(h->expectRows(measureList(kind), 1));
    PLAY(h->expectValue(measureList(kind), "Свиная"));
    PLAY(h->expectValue(c.lineControl("IDTASK"), "10.0"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(c.lineForm));
    EXPECT_EQ(lines(kind).back(), "1 10.0 Свиная 2 0 1/1  1 0.1");
}

INSTANTIATE_TEST_SUITE_P(BothKinds, NewLineTest, ::testing::ValuesIn(kMeasureKinds));

class StoredLineTest : public CardFormsTest, public ::testing::WithParamInterface<MeasureKind> {};

TEST_P(StoredLineTest, AnotherSpeciesChosenOrTypedGivesTheFirstSchemeOfThatSpecies) {
    const MeasureKind kind = GetParam();
    const CardBook& c = book(kind);
    for (const bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "typed" : "chosen");
        TearDown();
        SetUp();
        PLAY(h->start(listOf(kind)));
        PLAY(h->press("?CHANGE"));
        if (typed) PLAY(h->type(c.lineControl("VIDANIM"), "2"));
        else PLAY(h->choose("?ANI:NAME", "Свиньи"));
        PLAY(h->expectValue("?ANI:NAME", "Свиньи"));
        PLAY(h->expectValue(measureList(kind), "Свиная"));
        PLAY(h->press("?OK"));
        PLAY(h->expectClosed(c.lineForm));
        EXPECT_EQ(glo::IDVIDANIM.value(), Decimal(2));
        EXPECT_EQ(lines(kind), (Lines{"1 10.0 Свиная 2 4 1/1  1 0.1"}));
    }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, StoredLineTest, ::testing::ValuesIn(kMeasureKinds));

// The stored line (5/5) opened for a change, another scheme chosen, saved.
struct ChoiceCase {
    MeasureKind kind;
    std::string scheme;
    const char* saved;
};

class SchemeChoiceTest : public CardFormsTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(SchemeChoiceTest, SetsTheCountsByTheStageAndCopiesTheSchemeCutToThirtyCharacters) {
    const ChoiceCase& t = GetParam();
    const CardBook& c = book(t.kind);
    PLAY(h->start(listOf(t.kind)));
    PLAY(h->press("?CHANGE"));
    PLAY(h->expectStatus(2, "Изменить запись"));
    PLAY(h->choose(measureList(t.kind), t.scheme));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(c.lineForm));
    EXPECT_EQ(lines(t.kind), (Lines{t.saved}));
}

INSTANTIATE_TEST_SUITE_P(
    ByStage, SchemeChoiceTest,
    ::testing::Values(ChoiceCase{MeasureKind::Diagnostic, "Туберкулинизация", "1 20.1 Туберкулинизация 1 4 1/1  7 2.5"},
                      ChoiceCase{MeasureKind::Preventive, "Вторая стадия", "1 21.2 Вторая стадия 1 4 1/5  3 0.5"},
                      ChoiceCase{MeasureKind::Diagnostic, "Без стадии", "1 21.3 Без стадии 1 4 5/5  3 0.5"},
                      ChoiceCase{MeasureKind::Preventive, kLongName,
                                 "1 22.0 Исследование крови на лейкоз м 1 4 1/1  4 1"}));

// A line whose scheme the drop list of its species does not offer keeps what it holds.
struct KeptCase {
    MeasureKind kind;
    int tenths;
    int species;
    std::string name;
};

class UnmatchedLineTest : public CardFormsTest, public ::testing::WithParamInterface<KeptCase> {};

TEST_P(UnmatchedLineTest, KeepsItsMeasureNameDoseAndCountsWhenSaved) {
    const KeptCase& t = GetParam();
    const CardBook& c = book(t.kind);
    addCard(t.kind, 2, 1, "Вторая карта");
    addLine(t.kind, {.card = 2,
                     .tenths = t.tenths,
                     .species = t.species,
                     .days = 4,
                     .heads = 5,
                     .treatments = 5,
                     .preparation = 9,
                     .normTenths = 15,
                     .name = t.name});
    const Lines before = lines(t.kind);
    PLAY(h->start(listOf(t.kind)));
    PLAY(h->select("?BROWSE:1", 2));
    PLAY(h->press("?CHANGE"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(c.lineForm));
    EXPECT_EQ(lines(t.kind), before);
}

INSTANTIATE_TEST_SUITE_P(Unmatched, UnmatchedLineTest,
                         ::testing::Values(KeptCase{MeasureKind::Diagnostic, 220, 1, kLongName},
                                           KeptCase{MeasureKind::Preventive, 220, 1, kLongName},
                                           KeptCase{MeasureKind::Diagnostic, 220, 2, kLongName},
                                           KeptCase{MeasureKind::Preventive, 220, 2, kLongName}));

// The stored line's day count and plan counts refuse a negative value, its date one after
// 31.12.2099, and the line stays as it was; the last day of 2099 is taken.
TEST_P(StoredLineTest, RefusesNegativeCountsAndDatesAfter2099) {
    const MeasureKind kind = GetParam();
    const CardBook& c = book(kind);
    const Lines stored = lines(kind);
    const struct {
        const char* field;
        const char* typed;
        const char* allowed;
    } cases[] = {{"DNEY", "-30", "Допустимо число не меньше 0."},
                 {"GLPLAN", "-1", "Допустимо число не меньше 0."},
                 {"GOPLAN", "-1", "Допустимо число не меньше 0."},
                 {"TASKDATA", "01.01.2100", "Допустима дата не позже 31.12.2099."}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.field);
        TearDown();
        SetUp();
        PLAY(h->start(listOf(kind)));
        PLAY(h->press("?CHANGE"));
        EXPECT_TRUE(vx::testing::typedAndRefused(*h, c.lineControl(t.field), t.typed, t.allowed));
        EXPECT_EQ(lines(kind), stored);
    }
    PLAY(h->type(c.lineControl("TASKDATA"), "31.12.2099"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(c.lineForm));
    EXPECT_EQ(lines(kind), (Lines{"1 50.3 Старая 1 4 5/5 31.12.2099 9 1.5"}));
}

class CardFormTest : public CardFormsTest, public ::testing::WithParamInterface<MeasureKind> {};

TEST_P(CardFormTest, ANewCardIsNumberedAndItsSpeciesGoesToTheLinesMadeNext) {
    const MeasureKind kind = GetParam();
    const CardBook& c = book(kind);
    PLAY(h->start(listOf(kind)));
    PLAY(h->press("?INSERT:3"));
    PLAY(h->expectWindow(c.cardForm));
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->expectValue(c.cardControl("IDKARTIP"), "2"));
    PLAY(h->expectValue("?ANI:NAME", "КРС"));  // the species of the card highlighted in the list
    PLAY(h->choose("?ANI:NAME", "Свиньи"));
    EXPECT_EQ(glo::IDVIDANIM.value(), Decimal(2));
    PLAY(h->type(c.cardControl("NAME"), "Карта свиней"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(c.cardForm));
    EXPECT_EQ(cards(kind), (Lines{"1 1 Карта КРС", "2 2 Карта свиней"}));
    PLAY(h->select("?BROWSE:1", 2));
    PLAY(h->press("?INSERT"));
    PLAY(h->expectValue(c.lineControl("IDTASK"), "10.0"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(lines(kind).back(), "2 10.0 Свиная 2 0 1/1  1 0.1");
}

INSTANTIATE_TEST_SUITE_P(BothKinds, CardFormTest, ::testing::ValuesIn(kMeasureKinds));

struct ViewCase {
    MeasureKind kind;
    void (*form)();
    const char* status;
};

class ViewedLineTest : public CardFormsTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ViewedLineTest, OnlyShowsAndStoresNothing) {
    const ViewCase& t = GetParam();
    const CardBook& c = book(t.kind);
    const Lines before = lines(t.kind);
    onThread([&] {
        for (AccessRef file : {c.lineAccess, c.cardAccess}) {
            file->open();
            ASSERT_EQ(file->useFile(), rt::Level::Benign);
        }
        c.line().IDKARTIP = 1;
        Fetch(KeyRef{c.lineAccess.id, c.lineCardKey});
        *rt::GLOBALREQUEST = rt::request::View;
        t.form();
        for (AccessRef file : {c.lineAccess, c.cardAccess}) file->close();
    });
    PLAY(h->expectWindow(c.lineForm));
    PLAY(h->expectStatus(2, t.status));
    for (const char* field : {"IDKARTIP", "IDTASK", "DNEY", "TASKDATA"})
        EXPECT_TRUE(h->find(c.lineControl(field))->readOnly()) << field;
    for (const std::string& control : {measureList(t.kind), std::string("?ANI:NAME"), std::string("?CALENDAR")})
        EXPECT_FALSE(h->find(control)->usable()) << control;
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(c.lineForm));
    EXPECT_EQ(lines(t.kind), before);
}

INSTANTIATE_TEST_SUITE_P(BothKinds, ViewedLineTest,
                         ::testing::Values(ViewCase{MeasureKind::Diagnostic, UpdateTKvdi, "View Record"},
                                           ViewCase{MeasureKind::Preventive, UpdateTKvpo, "Просмотреть запись"}));

}  // namespace
}  // namespace vx::planning::cards::testing
