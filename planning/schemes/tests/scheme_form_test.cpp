#include <gtest/gtest.h>

#include "dictionary/names.h"
#include "planning/schemes/schemes_windows.h"
#include "planning/schemes/tests/schemes_fixture.h"
#include "platform/core/dates.h"
#include "platform/runtime/thread_state.h"
#include "tests/refused_entry.h"

namespace vx::planning::schemes::testing {
namespace {

using vx::testing::typedAndRefused;

class SchemeFormTest : public SchemesTest {
protected:
    void SetUp() override {
        SchemesTest::SetUp();
        addSpecies(1, "КРС");
        addSpecies(2, "Свиньи");
    }
};

TEST_F(SchemeFormTest, ANewSchemeShowsTheStageDefaultsAtOnceAndStoresThem) {
    PLAY(h->start("BrwtaskVPO"));
    PLAY(h->press("?INSERT:3"));
    PLAY(h->expectWindow("UpdatetaskVPO"));
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->choose("?ANI:NAME", "Свиньи"));
    PLAY(h->type("?BOL:ID", "15.2"));
    PLAY(h->expectValue("?BOL:GLPLAN", "1"));
    PLAY(h->expectValue("?BOL:GLPLANM", "1"));
    PLAY(h->expectValue("?BOL:GOPLAN", ""));
    PLAY(h->type("?BOL:NAME", "Ревакцинация"));
    PLAY(h->type("?BOL:DNEY", "30"));
    PLAY(h->type("?BOL:GOPLANM", "4"));
    PLAY(h->date("01.09.2025"));
    PLAY(h->press("?CALENDAR:2"));
    PLAY(h->expectValue("?BOL:PREDATM", "01.09.2025"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdatetaskVPO"));
    EXPECT_EQ(schemes(MeasureKind::Preventive), (Lines{"15.2 Ревакцинация 2 | 30 1 0  | 0 1 4 01.09.2025"}));
}

// A stored scheme (counts 5) opened for a change and saved: the defaults of its
// stage stick only when the id entry had an event and showed them.
struct StoredCase {
    MeasureKind kind;
    int tenths;
    bool throughTheId;
    const char* saved;
};

class StoredSchemeTest : public SchemeFormTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredSchemeTest, SavedAsShown) {
    const StoredCase& c = GetParam();
    addScheme(c.kind, c.tenths, 1, "Схема", set(9, 5, 5), set(8, 5, 5));
    const bool preventive = c.kind == MeasureKind::Preventive;
    PLAY(h->start(listOf(c.kind)));
    PLAY(h->press("?CHANGE:3"));
    PLAY(h->expectStatus(2, "Изменить запись"));
    if (c.throughTheId)  // the id typed again as it stands
        PLAY(h->type(preventive ? "?BOL:ID" : "?TAS:IDTASK",
                     std::to_string(c.tenths / 10) + "." + std::to_string(c.tenths % 10)));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(preventive ? "UpdatetaskVPO" : "UpdatetaskVDI"));
    EXPECT_EQ(schemes(c.kind), (Lines{c.saved}));
}

INSTANTIATE_TEST_SUITE_P(
    ByStage, StoredSchemeTest,
    ::testing::Values(StoredCase{MeasureKind::Preventive, 150, false, "15.0 Схема 1 | 9 5 5  | 8 5 5 "},
                      StoredCase{MeasureKind::Diagnostic, 152, false, "15.2 Схема 1 | 9 5 5  | 8 5 5 "},
                      StoredCase{MeasureKind::Preventive, 150, true, "15.0 Схема 1 | 9 1 1  | 8 1 1 "},
                      StoredCase{MeasureKind::Diagnostic, 151, true, "15.1 Схема 1 | 9 1 1  | 8 1 1 "},
                      StoredCase{MeasureKind::Preventive, 152, true, "15.2 Схема 1 | 9 1 5  | 8 1 5 "},
                      StoredCase{MeasureKind::Diagnostic, 153, true, "15.3 Схема 1 | 9 5 5  | 8 5 5 "}));

TEST_F(SchemeFormTest, EnteringTheIdShowsTheDefaultsBeforeAnyCountIsReached) {
    addScheme(MeasureKind::Preventive, 151, 1, "Схема", set(9, 5, 5), set(8, 5, 5));
    PLAY(h->start("BrwtaskVPO"));
    PLAY(h->press("?CHANGE:3"));
    PLAY(h->expectValue("?BOL:GOPLANM", "5"));
    PLAY(h->focus("?BOL:ID"));
    PLAY(h->expectValue("?BOL:GOPLANM", "1"));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectClosed("UpdatetaskVPO"));
}

TEST_F(SchemeFormTest, AViewedSchemeOnlyShowsAndStoresNothing) {
    addScheme(MeasureKind::Diagnostic, 150, 1, "Схема", set(9, 5, 5), set(8, 5, 5));
    onThread([] {
        dct::Access::TASK->open();
        ASSERT_EQ(dct::Access::TASK->useFile(), rt::Level::Benign);
        dct::TAS->IDTASK = 15;
        dct::Fetch(dct::TAS_K1);
        *rt::GLOBALREQUEST = rt::request::View;
        UpdatetaskVDI();
        dct::Access::TASK->close();
    });
    PLAY(h->expectWindow("UpdatetaskVDI"));
    PLAY(h->expectStatus(2, "View Record"));
    for (const char* c : {"?TAS:IDTASK", "?TAS:NAME", "?TAS:GLPLAN", "?TAS:PREDATAM"})
        EXPECT_TRUE(h->find(c)->readOnly()) << c;
    for (const char* c : {"?ANI:NAME", "?CALENDAR", "?CALENDAR:2"}) EXPECT_FALSE(h->find(c)->usable()) << c;
    EXPECT_FALSE(h->find("?TAS:PRIM")->readOnly());
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdatetaskVDI"));
    EXPECT_EQ(schemes(MeasureKind::Diagnostic), (Lines{"15.0 Схема 1 | 9 5 5  | 8 5 5 "}));
}

// Every count and day number of a stored scheme refuses a negative value, every
// date one after 31.12.2099, and the stored scheme stays as it was.
struct RangeCase {
    MeasureKind kind;
    const char* SchemeFieldNames::*field;
    const char* typed;
    const char* allowed;
};

class SchemeRangeTest : public SchemeFormTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(SchemeRangeTest, RefusesTheValueAndStoresNothing) {
    const RangeCase& c = GetParam();
    const SchemeBook& s = measureKind(c.kind).schemes;
    addScheme(c.kind, 150, 1, "Схема", set(9, 5, 5), set(8, 5, 5));
    const Lines stored = schemes(c.kind);
    PLAY(h->start(listOf(c.kind)));
    PLAY(h->press("?CHANGE:3"));
    EXPECT_TRUE(typedAndRefused(*h, s.control(s.fields.*c.field), c.typed, c.allowed));
    EXPECT_EQ(schemes(c.kind), stored);
}

std::vector<RangeCase> rangeCases() {
    std::vector<RangeCase> cases;
    for (MeasureKind kind : kMeasureKinds) {
        for (auto field : {&SchemeFieldNames::days, &SchemeFieldNames::heads, &SchemeFieldNames::treatments,
                           &SchemeFieldNames::youngDays, &SchemeFieldNames::youngHeads,
                           &SchemeFieldNames::youngTreatments})
            cases.push_back({kind, field, "-1", "Допустимо число не меньше 0."});
        for (auto field : {&SchemeFieldNames::fixedDate, &SchemeFieldNames::youngFixedDate})
            cases.push_back({kind, field, "01.01.2100", "Допустима дата не позже 31.12.2099."});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryField, SchemeRangeTest, ::testing::ValuesIn(rangeCases()));

TEST_F(SchemeFormTest, TheLastDayOf2099IsAFixedDateLikeAnyOther) {
    for (MeasureKind kind : kMeasureKinds) {
        const SchemeBook& s = measureKind(kind).schemes;
        addScheme(kind, 150, 1, "Схема", set(9, 5, 5), set(8, 5, 5));
        PLAY(h->start(listOf(kind)));
        PLAY(h->press("?CHANGE:3"));
        PLAY(h->type(s.control(s.fields.fixedDate), "31.12.2099"));
        PLAY(h->type(s.control(s.fields.youngFixedDate), "31.12.2099"));
        PLAY(h->press("?OK"));
        PLAY(h->expectClosed(s.formProcedure));
        EXPECT_EQ(schemes(kind), (Lines{"15.0 Схема 1 | 9 5 5 31.12.2099 | 8 5 5 31.12.2099"}));
        PLAY(h->close());
    }
}

}  // namespace
}  // namespace vx::planning::schemes::testing
