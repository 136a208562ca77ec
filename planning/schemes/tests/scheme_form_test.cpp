#include <gtest/gtest.h>

#include "platform/core/dates.h"
#include "dictionary/names.h"
#include "platform/runtime/thread_state.h"
#include "planning/schemes/schemes_windows.h"
#include "planning/schemes/tests/schemes_fixture.h"

namespace vx::planning::schemes::testing {
namespace {

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

struct StoredCase {
    int tenths;
    const char* saved;
};

class StoredSchemeTest : public SchemeFormTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredSchemeTest, SavedUnchangedKeepsWhatTheStageDoesNotDefault) {
    addScheme(MeasureKind::Diagnostic, GetParam().tenths, 1, "Схема", set(9, 5, 5), set(8, 5, 5));
    PLAY(h->start("BrwtaskVDI"));
    PLAY(h->press("?CHANGE:3"));
    PLAY(h->expectWindow("UpdatetaskVDI"));
    PLAY(h->expectStatus(2, "Изменить запись"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdatetaskVDI"));
    EXPECT_EQ(schemes(MeasureKind::Diagnostic), (Lines{GetParam().saved}));
}

INSTANTIATE_TEST_SUITE_P(ByStage, StoredSchemeTest,
                         ::testing::Values(StoredCase{150, "15.0 Схема 1 | 9 1 1  | 8 1 1 "},
                                           StoredCase{151, "15.1 Схема 1 | 9 1 1  | 8 1 1 "},
                                           StoredCase{152, "15.2 Схема 1 | 9 1 5  | 8 1 5 "},
                                           StoredCase{153, "15.3 Схема 1 | 9 5 5  | 8 5 5 "}));

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

}  // namespace
}  // namespace vx::planning::schemes::testing
