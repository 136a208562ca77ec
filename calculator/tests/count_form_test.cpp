// The two count-record forms from the calculator's lists: what a new record
// stores, the plan/done rule, view mode, cancel, and the refusals.

#include <gtest/gtest.h>

#include "calculator/calculator_windows.h"
#include "calculator/tests/calculator_fixture.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/runtime/thread_state.h"
#include "tests/refused_entry.h"

namespace vx::calculator::testing {
namespace {

using CountFormTest = CalculatorTest;

TEST_F(CountFormTest, ANewDiagnosticPlanIsStoredAsShown) {
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?INSERT:2"));
    PLAY(h->expectWindow("UpdateDiag"));
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->expectValue("?HOZ:NAME", "Заря"));
    PLAY(h->expectValue("?FER:NAME", "Центральная"));
    PLAY(h->choose("?ANI:NAME", "КРС"));
    PLAY(h->choose("?POL:NAME", "Коровы"));
    PLAY(h->choose("?TAS:NAME", "Туберкулинизация"));
    PLAY(h->expectValue("?DSE:IDTASK", "12.0"));
    PLAY(h->press("?DSE:CHPLAN"));
    PLAY(h->expectValue("?DSE:CHVUP", "0"));
    EXPECT_TRUE(shownAndUsable("?DSE:DATATASK"));
    EXPECT_FALSE(shownAndUsable("?DSE:GLVUP"));
    PLAY(h->type("?DSE:GLPVUP", "50"));
    PLAY(h->date("01.03.2025"));
    PLAY(h->press("?CALENDAR"));
    PLAY(h->expectValue("?DSE:DATATASK", "01.03.2025"));
    PLAY(h->date("31.03.2025"));
    PLAY(h->press("?CALENDAR:3"));
    PLAY(h->type("?DSE:AKTNOMER", "7"));
    PLAY(h->file("/docs/akt.doc"));
    PLAY(h->press("?LOOKUPFILE:2"));
    PLAY(h->file(""));  // a cancelled dialog leaves the path
    PLAY(h->press("?LOOKUPFILE:2"));
    PLAY(h->expectValue("?DSE:PUTAKTDOC", "/docs/akt.doc"));
    PLAY(h->type("?DSE:NVED", "3"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateDiag"));
    EXPECT_EQ(counts(MeasureKind::Diagnostic), (Lines{"1 1 1 2 12.0 1/0 01.03.2025 50  0 0 0"}));
    EXPECT_EQ(documents(MeasureKind::Diagnostic), (Lines{"3   | 7 31.03.2025 /docs/akt.doc |    | 0 "}));
    PLAY(h->expectRow("?LIST:2", 1, "12.0|Туберкулинизация|КРС|Коровы|01.03.2025|50"));
}

// The status boxes: the box's value after its event decides; the other kind's fields go.
TEST_F(CountFormTest, TheStatusBoxesKeepARecordAPlanOrAnExecution) {
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.0", false, true, 0, makeDate(5, 2, 2025), 0, 40});
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?CHANGE:2"));
    PLAY(h->expectStatus(2, "Редактировать запись"));
    EXPECT_TRUE(shownAndUsable("?DSE:GLVUPPOL"));
    EXPECT_FALSE(shownAndUsable("?DSE:GLPVUP"));
    PLAY(h->type("?DSE:GLVUPOTR", "3"));
    PLAY(h->press("?DSE:CHPLAN"));  // ticked: the execution's values go at once
    PLAY(h->expectValue("?DSE:CHVUP", "0"));
    PLAY(h->expectValue("?DSE:DATAVUP", ""));
    PLAY(h->expectValue("?DSE:GLVUP", ""));
    EXPECT_TRUE(shownAndUsable("?DSE:GLPVUP"));
    EXPECT_FALSE(shownAndUsable("?DSE:GLVUPOTR"));
    PLAY(h->type("?DSE:GLPVUP", "60"));
    PLAY(h->press("?DSE:CHPLAN"));  // unticked: done again, the plan's values go
    PLAY(h->expectValue("?DSE:CHVUP", "1"));
    PLAY(h->press("?DSE:CHVUP"));  // unticked: a plan
    PLAY(h->expectValue("?DSE:CHPLAN", "1"));
    PLAY(h->type("?DSE:GLPVUP", "70"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateDiag"));
    EXPECT_EQ(counts(MeasureKind::Diagnostic), (Lines{"1 1 1 0 12.0 1/0  70  0 0 0"}));
}

TEST_F(CountFormTest, ANewRecordSavedUntouchedIsAnExecution) {
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?INSERT:4"));
    PLAY(h->expectWindow("UpdateProfil"));
    PLAY(h->expectValue("?PVS:CHVUP", "1"));
    EXPECT_TRUE(shownAndUsable("?PVS:DATAVUP"));
    EXPECT_EQ(h->find("?PVS:GLVUPOTR"), nullptr);
    EXPECT_EQ(h->find("?PVS:PUTEXPDOC"), nullptr);
    PLAY(h->type("?PVS:GLVUP", "12"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateProfil"));
    EXPECT_EQ(counts(MeasureKind::Preventive), (Lines{"1 1 1 2 5.0 0/1  0  12 0 0"}));
}

TEST_F(CountFormTest, AFarmThatIsNotOneOfTheHoldingsIsRefusedAndTheFormStays) {
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?INSERT:2"));
    PLAY(h->type("?DSE:IDFERMA", "7"));
    PLAY(h->press("?OK"));
    PLAY(h->expectMessage("Ферма не найдена",
                          "В хозяйстве 1 нет фермы 7. Укажите хозяйство и ферму из списков калькулятора."));
    PLAY(h->expectWindow("UpdateDiag"));
    PLAY(h->type("?DSE:IDHOZ", "2"));
    PLAY(h->type("?DSE:IDFERMA", "1"));
    PLAY(h->press("?OK"));
    PLAY(h->expectMessage("Ферма не найдена",
                          "В хозяйстве 2 нет фермы 1. Укажите хозяйство и ферму из списков калькулятора."));
    PLAY(h->type("?DSE:IDHOZ", "1"));
    PLAY(h->type("?DSE:IDFERMA", "2"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateDiag"));
    EXPECT_EQ(counts(MeasureKind::Diagnostic), (Lines{"1 2 1 2 12.0 0/1  0  0 0 0"}));
}

TEST_F(CountFormTest, ASpeciesWithoutGroupsOrSchemesLeavesNoneOfTheOthers) {
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.1", true, false, makeDate(3, 1, 2025), 0, 5, 0});
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?CHANGE:2"));
    PLAY(h->expectValue("?TAS:NAME", "Туберкулинизация, 1 этап"));
    PLAY(h->choose("?ANI:NAME", "Свиньи"));
    PLAY(h->expectValue("?DSE:IDPOL", ""));
    PLAY(h->expectValue("?DSE:IDTASK", ""));
    PLAY(h->press("?OK"));
    EXPECT_EQ(counts(MeasureKind::Diagnostic), (Lines{"1 1 2 0 0.0 1/0 01.03.2025 5  0 0 0"}));
}

TEST_F(CountFormTest, AnotherSpeciesGivesAStoredRecordItsFirstGroupAndScheme) {
    addSpecies(3, "Овцы");
    addGroup(31, 3, "Овцематки");
    addGroup(32, 3, "Ягнята");
    addScheme(MeasureKind::Diagnostic, "14.0", 3, "Бруцеллёз");
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.1", true, false, makeDate(3, 1, 2025), 0, 5, 0});
    changeCount(MeasureKind::Diagnostic, 1, [](dct::CountRecord& r) { r.IDPOL = 2; });
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?CHANGE:2"));
    PLAY(h->expectValue("?POL:NAME", "Коровы"));
    PLAY(h->choose("?ANI:NAME", "Овцы"));
    PLAY(h->expectValue("?POL:NAME", "Овцематки"));
    PLAY(h->expectValue("?TAS:NAME", "Бруцеллёз"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(counts(MeasureKind::Diagnostic), (Lines{"1 1 3 31 14.0 1/0 01.03.2025 5  0 0 0"}));
}

TEST_F(CountFormTest, CancelAfterAnEditAsksAndKeepsTheRecord) {
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.0", true, false, makeDate(3, 1, 2025), 0, 5, 0});
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?CHANGE:2"));
    PLAY(h->type("?DSE:GLPVUP", "9"));
    PLAY(h->answer("No"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectMessage("Было редактирование!", "Выйти без сохранения?"));
    PLAY(h->expectWindow("UpdateDiag"));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectClosed("UpdateDiag"));
    EXPECT_EQ(counts(MeasureKind::Diagnostic), (Lines{"1 1 1 0 12.0 1/0 01.03.2025 5  0 0 0"}));
}

TEST_F(CountFormTest, TheHistoryKeyRecallsTheLastSavedValues) {
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?INSERT:2"));
    PLAY(h->type("?DSE:GLVUP", "40"));
    PLAY(h->type("?DSE:AKTNOMER", "А-12"));
    PLAY(h->press("?OK"));
    PLAY(h->press("?INSERT:2"));
    for (const char* c : {"?DSE:GLVUP", "?DSE:AKTNOMER"}) PLAY(h->key(c, "Ctrl+H"));
    PLAY(h->expectValue("?DSE:GLVUP", "40"));
    PLAY(h->expectValue("?DSE:AKTNOMER", "А-12"));
}

TEST_F(CountFormTest, ThePartsOfATwoStageMeasureStandOutInTheMeasureList) {
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?INSERT:2"));
    EXPECT_EQ(rows("?TAS:NAME"), (Lines{"Туберкулинизация|12.0", "Туберкулинизация, 1 этап|12.1",
                                        "Туберкулинизация, 2 этап|12.2"}));
    for (int row : {1, 2, 3}) EXPECT_EQ(h->cellLook("?TAS:NAME", row, 1)->style, row == 1 ? 0 : 1) << row;
}

TEST_F(CountFormTest, ViewModeOnlyShows) {
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.0", true, false, makeDate(3, 1, 2025), 0, 5, 0});
    onThread([] {
        dct::Access::DVSEGO->open();
        ASSERT_EQ(dct::Access::DVSEGO->useFile(), rt::Level::Benign);
        dct::DSE->IDTASK = Decimal(12);
        ASSERT_EQ(dct::Fetch(dct::DSE_K1), rt::Level::Benign);
        *rt::GLOBALREQUEST = rt::request::View;
        UpdateDiag();
        dct::Access::DVSEGO->close();
    });
    PLAY(h->expectWindow("UpdateDiag"));
    PLAY(h->expectStatus(2, "View Record"));
    for (const char* c : {"?DSE:VIDANIM", "?DSE:DATATASK", "?DSE:GLPVUP", "?DSE:PUTVPDOC", "?DSE:CHPLAN", "?DSE:PRIM"})
        EXPECT_TRUE(h->find(c)->readOnly()) << c;
    for (const char* c : {"?ANI:NAME", "?POL:NAME", "?TAS:NAME", "?CALENDAR", "?CALENDAR:5", "?LOOKUPFILE:3"})
        EXPECT_FALSE(h->find(c)->usable()) << c;
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateDiag"));
}

// A stored plan or execution of either kind opened for a change: a negative count,
// a done, statement, act or expertise date after today (10.06.2025) and a planned
// date after 31.12.2099 are refused, and the stored record stays as it was.
struct CountRangeCase {
    MeasureKind kind;
    bool plan;
    const char* field;
    const char* typed;
    const char* allowed;
};

class CountRangeTest : public CalculatorTest, public ::testing::WithParamInterface<CountRangeCase> {};

TEST_P(CountRangeTest, RefusesTheValueAndStoresNothing) {
    const CountRangeCase& c = GetParam();
    const bool preventive = c.kind == MeasureKind::Preventive;
    addCount(c.kind, Count{1, 1, 1, preventive ? "5.0" : "12.0", c.plan, !c.plan, makeDate(5, 1, 2025),
                           makeDate(5, 2, 2025), 40, 40});
    const Lines stored = counts(c.kind);
    PLAY(h->start("BRWvdi"));
    PLAY(h->press(preventive ? "?CHANGE:4" : "?CHANGE:2"));
    EXPECT_TRUE(vx::testing::typedAndRefused(*h, std::string(preventive ? "?PVS:" : "?DSE:") + c.field, c.typed,
                                             c.allowed));
    EXPECT_EQ(counts(c.kind), stored);
}

std::vector<CountRangeCase> countRangeCases() {
    const char* count = "Допустимо число не меньше 0.";
    const char* happened = "Допустима дата не позже сегодняшней.";
    std::vector<CountRangeCase> cases;
    for (MeasureKind kind : {MeasureKind::Preventive, MeasureKind::Diagnostic}) {
        cases.push_back({kind, true, "GLPVUP", "-1", count});
        cases.push_back({kind, true, "DATATASK", "01.01.2100", "Допустима дата не позже 31.12.2099."});
        cases.push_back({kind, false, "GLVUP", "-1", count});
        cases.push_back({kind, false, "DATAVUP", "11.06.2025", happened});
        cases.push_back({kind, false, "DVED", "11.06.2025", happened});
        cases.push_back({kind, false, "AKTDATA", "31.12.9999", happened});
    }
    for (const char* field : {"GLVUPOTR", "GLVUPPOL"})
        cases.push_back({MeasureKind::Diagnostic, false, field, "-1", count});
    cases.push_back({MeasureKind::Diagnostic, false, "DEKSP", "11.06.2025", happened});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryField, CountRangeTest, ::testing::ValuesIn(countRangeCases()));

TEST_F(CountFormTest, TodayAndTheLastDayOf2099AreTaken) {
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.0", true, false, makeDate(5, 1, 2025), 0, 40, 0});
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?CHANGE:2"));
    PLAY(h->type("?DSE:DATATASK", "31.12.2099"));
    PLAY(h->type("?DSE:AKTDATA", "10.06.2025"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateDiag"));
    EXPECT_EQ(counts(MeasureKind::Diagnostic), (Lines{"1 1 1 0 12.0 1/0 31.12.2099 40  0 0 0"}));
}

}  // namespace
}  // namespace vx::calculator::testing
