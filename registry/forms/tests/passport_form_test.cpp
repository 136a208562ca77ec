#include <functional>

#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/runtime/thread_state.h"
#include "platform/store/record_file.h"
#include "platform/ui/desktop.h"
#include "registry/forms/forms_windows.h"
#include "registry/forms/tests/forms_fixture.h"
#include "tests/other_station.h"
#include "tests/refused_entry.h"

namespace vx::registry::testing {
namespace {

using namespace dct;

class PassportFormTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        fixToday(makeDate(6, 10, 2025));
        addHolding(1, "Первое");
        addFarm(1, 2, "Луговая");
        addSpecies(1, "КРС");
        addSpecies(2, "Свиньи");
        addGroup(11, 1, "Коровы");
        addGroup(12, 1, "Тёлки");
        addGroup(21, 2, "Свиноматки");
    }
    void openNew() {
        open(Updatepasport, rt::request::Insert, [] {
            primeInsert(*Access::PASPORT, {{"IDHOZ", Value(1)}, {"IDFERMA", Value(2)}});
        });
        ASSERT_TRUE(h->expectWindow("Updatepasport"));
    }
    // "ID HOZ FERMA species group birth age-y-m-d osnmol prich"
    Lines passports() {
        Lines out;
        onThread([&] {
            withFiles([&] {
                Set(PAS);
                while (Next(PAS))
                    out.push_back(std::to_string(PAS->ID) + " " + PAS->IDHOZ.value().plain() + " " +
                                  PAS->IDFERMA.value().plain() + " " + PAS->VIDANIM.value().plain() + " " +
                                  PAS->IDPOL.value().plain() + " " + formatDate(PAS->DATAROG) + " " +
                                  PAS->VOZRASTG.value().plain() + "-" + PAS->VOZRASTM.value().plain() + "-" +
                                  PAS->VOZRASTD.value().plain() + " " + std::to_string(PAS->OSNMOL) + " '" +
                                  PAS->PRICH.str() + "'");
            });
        });
        return out;
    }
};

TEST_F(PassportFormTest, ANewPassportCarriesItsPlaceAndTheBirthDateGivesTheAgeAtOnce) {
    openNew();
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->expectValue("?HOZ:NAME", "Первое"));
    PLAY(h->expectValue("?FER:NAME", "Луговая"));
    PLAY(h->expectValue("?PAS:OSNMOL", " основное стадо"));
    PLAY(h->type("?PAS:DATAROG", "17.09.2022"));
    PLAY(h->expectValue("?PAS:VOZRASTG", "2"));
    PLAY(h->expectValue("?PAS:VOZRASTM", "8"));
    PLAY(h->expectValue("?PAS:VOZRASTD", "23"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updatepasport"));
    EXPECT_EQ(response, rt::response::Completed);
    EXPECT_EQ(passports(), (Lines{"1 1 2 1 11 17.09.2022 2-8-23 2 ''"}));
}

TEST_F(PassportFormTest, AnImpossibleDateIsRefusedInEveryDateEntryAndNothingIsSaved) {
    for (const char* entry : {"?PAS:DATAROG", "?PAS:AKTDATA"}) {
        for (const char* typed : {"31.02.2025", "29.02.2023", "15.13.2020"}) {
            SCOPED_TRACE(std::string(entry) + " typed " + typed);
            openNew();
            PLAY(h->type(entry, typed));
            EXPECT_EQ(h->value(entry), typed);
            EXPECT_FALSE(h->press("?OK"));
            EXPECT_EQ(h->current()->focused(), h->current()->idOf(entry));
            PLAY(h->expectWindow("Updatepasport"));
            PLAY(h->type(entry, ""));
            PLAY(h->answer("Yes"));
            PLAY(h->press("?CANCEL"));
            EXPECT_EQ(passports(), Lines{});
        }
    }
    openNew();
    PLAY(h->type("?PAS:DATAROG", "29.02.2024"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(passports(), (Lines{"1 1 2 1 11 29.02.2024 1-3-10 2 ''"}));
}

using vx::testing::onOtherStation;
using vx::testing::typedAndRefused;

TEST_F(PassportFormTest, APassportWhoseHoldingOrFarmAnotherStationChangedMeanwhileIsNotStored) {
    const struct {
        const char* what;
        const char* holdings;
        const char* farms;
    } cases[] = {
        {"holding renumbered", "UPDATE records SET IDHOZ = 8", "UPDATE records SET IDHOZ = 8"},
        {"farm deleted", "SELECT 1", "DELETE FROM records"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        openNew();
        onOtherStation(glo::PUT1.str(), c.holdings);
        onOtherStation(glo::PUT2.str(), c.farms);
        const std::size_t before = messages().size();
        PLAY(h->press("?OK"));
        ASSERT_EQ(messages().size(), before + 1);
        EXPECT_EQ(messages().back(), "Запись не изменена: Запись изменена на другой станции.");
        PLAY(h->expectWindow("Updatepasport"));
        PLAY(h->answer("Yes"));
        PLAY(h->press("?CANCEL"));
        EXPECT_EQ(passports(), Lines{});
        onOtherStation(glo::PUT1.str(), "UPDATE records SET IDHOZ = 1");
        onOtherStation(glo::PUT2.str(), "DELETE FROM records");
        addFarm(1, 2, "Луговая");
    }
}

// Dates of what has happened: after today (10.06.2025) they are refused, today is taken.
struct PassportDateCase {
    const char* control;
    const char* calendar;
};

class PassportDateTest : public PassportFormTest, public ::testing::WithParamInterface<PassportDateCase> {};

TEST_P(PassportDateTest, AfterTodayIsRefusedTypedOrChosenAndNothingIsStored) {
    const PassportDateCase& c = GetParam();
    openNew();
    const Lines reserved = passports();
    for (const char* typed : {"11.06.2025", "31.12.9999"}) {
        SCOPED_TRACE(typed);
        EXPECT_TRUE(typedAndRefused(*h, c.control, typed, "Допустима дата не позже сегодняшней."));
        EXPECT_EQ(passports(), reserved);
    }
    PLAY(h->type(c.control, ""));
    const std::size_t shown = messages().size();
    PLAY(h->date("11.06.2025"));
    PLAY(h->press(c.calendar));
    ASSERT_EQ(messages().size(), shown + 2);  // the calendar, then the message
    EXPECT_EQ(messages().back(), "Паспорт животного: Допустима дата не позже сегодняшней.");
    PLAY(h->expectValue(c.control, ""));
    PLAY(h->type(c.control, "10.06.2025"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updatepasport"));
    ASSERT_EQ(passports().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(BirthAndDisposal, PassportDateTest,
                         ::testing::Values(PassportDateCase{"?PAS:DATAROG", "?CALENDAR"},
                                           PassportDateCase{"?PAS:AKTDATA", "?CALENDAR:3"}));

// However the form ends, the number it reserved leaves no blank passport behind.
TEST_F(PassportFormTest, TheReservedNumberGoesWithTheForm) {
    const struct {
        const char* what;
        std::function<void()> end;
    } cases[] = {
        {"cancelled",
         [&] {
             PLAY(h->answer("Yes"));
             PLAY(h->press("?CANCEL"));
         }},
        {"closed",
         [&] {
             PLAY(h->answer("Yes"));
             PLAY(h->close());
         }},
        {"refused, then cancelled",
         [&] {
             onOtherStation(glo::PUT2.str(), "DELETE FROM records");
             PLAY(h->press("?OK"));
             PLAY(h->answer("Yes"));
             PLAY(h->press("?CANCEL"));
         }},
        {"the program ends after a renumber", [&] {
             onOtherStation(glo::PUT1.str(), "UPDATE records SET IDHOZ = 8");
             onOtherStation(glo::PUT5.str(), "UPDATE records SET IDHOZ = 8 WHERE IDHOZ = 1");
             ui::desktop().closeDown();
             PLAY(h->settle());
         }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        openNew();
        store::commitPendingWrites();  // as the program does whenever a window waits
        ASSERT_EQ(passports().size(), 1u);  // reserved
        c.end();
        EXPECT_EQ(passports(), Lines{});
    }
}

TEST_F(PassportFormTest, TheCalendarDateGivesTheAgeToo) {
    openNew();
    PLAY(h->date("10.05.2025"));
    PLAY(h->press("?CALENDAR"));
    PLAY(h->expectValue("?PAS:DATAROG", "10.05.2025"));
    PLAY(h->expectValue("?PAS:VOZRASTM", "1"));
    PLAY(h->expectValue("?PAS:VOZRASTD", ""));
}

TEST_F(PassportFormTest, AnotherSpeciesGivesItsOwnGroupsAndTheFirstOfThem) {
    openNew();
    PLAY(h->choose("?POL:NAME", "Тёлки"));
    PLAY(h->choose("?ANI:NAME", "Свиньи"));
    EXPECT_EQ(glo::IDVIDANIM.value(), Decimal(2));
    PLAY(h->expectRows("?POL:NAME", 1));
    PLAY(h->expectRow("?POL:NAME", 1, "Свиноматки|0021|0002"));
    PLAY(h->expectValue("?POL:NAME", "Свиноматки"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(passports(), (Lines{"1 1 2 2 21  0-0-0 2 ''"}));
}

TEST_F(PassportFormTest, ChoosingAnotherGroupOfTheNewSpeciesStoresIt) {
    openNew();
    PLAY(h->choose("?ANI:NAME", "Свиньи"));
    PLAY(h->choose("?POL:NAME", "Свиноматки"));
    PLAY(h->choose("?PAS:PRICH", "Убой"));
    PLAY(h->choose("?PAS:PRICH", ""));
    PLAY(h->press("?OK"));
    EXPECT_EQ(passports(), (Lines{"1 1 2 2 21  0-0-0 2 ''"}));
}

class StoredPassportTest : public PassportFormTest {
protected:
    void SetUp() override {
        PassportFormTest::SetUp();
        openNew();
        PLAY(h->type("?PAS:DATAROG", "17.09.2022"));
        PLAY(h->press("?OK"));
        fixToday(makeDate(7, 10, 2025));
    }
    void openStored(Byte request) {
        open(Updatepasport, request, [] {
            PAS->ID = 1;
            Fetch(PAS_K8);
        });
    }
};

TEST_F(StoredPassportTest, SavingAgainRecomputesTheAgeAndCancellingKeepsIt) {
    openStored(rt::request::Change);
    PLAY(h->expectValue("?PAS:VOZRASTM", "8"));  // opening recomputes nothing
    PLAY(h->press("?CANCEL"));
    EXPECT_EQ(passports(), (Lines{"1 1 2 1 11 17.09.2022 2-8-23 2 ''"}));

    openStored(rt::request::Change);
    PLAY(h->press("?OK"));
    EXPECT_EQ(passports(), (Lines{"1 1 2 1 11 17.09.2022 2-9-23 2 ''"}));
}

TEST_F(StoredPassportTest, ASpeciesChosenForAStoredPassportGivesItTheFirstGroupOfThatSpecies) {
    openStored(rt::request::Change);
    PLAY(h->expectValue("?POL:NAME", "Коровы"));
    PLAY(h->choose("?ANI:NAME", "Свиньи"));
    PLAY(h->expectValue("?POL:NAME", "Свиноматки"));
    PLAY(h->choose("?ANI:NAME", "КРС"));
    PLAY(h->expectValue("?POL:NAME", "Коровы"));
    PLAY(h->choose("?POL:NAME", "Тёлки"));
    PLAY(h->choose("?ANI:NAME", "Свиньи"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(passports(), (Lines{"1 1 2 2 21 17.09.2022 2-9-23 2 ''"}));
}

// A birth date after today another program stored: saved again as it is, with no age,
// and refused only when typed.
TEST_F(StoredPassportTest, AStoredBirthDateAfterTodaySavesAgainUnchangedButIsRefusedWhenTyped) {
    ASSERT_TRUE(onOtherStation(glo::PUT5.str(), "UPDATE records SET DATAROG = " +
                                                    std::to_string(makeDate(12, 31, 9999))));
    openStored(rt::request::Change);
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updatepasport"));
    EXPECT_EQ(passports(), (Lines{"1 1 2 1 11 31.12.9999 0-0-0 2 ''"}));

    openStored(rt::request::Change);
    EXPECT_TRUE(typedAndRefused(*h, "?PAS:DATAROG", "31.12.9999", "Допустима дата не позже сегодняшней."));
    EXPECT_EQ(passports(), (Lines{"1 1 2 1 11 31.12.9999 0-0-0 2 ''"}));
}

TEST_F(StoredPassportTest, AViewedPassportOnlyShows) {
    openStored(rt::request::View);
    PLAY(h->expectStatus(2, "View Record"));
    for (const char* c : {"?PAS:FIO", "?PAS:DATAROG", "?PAS:AKTDATA"}) EXPECT_TRUE(h->find(c)->readOnly()) << c;
    for (const char* c : {"?PAS:PRICH", "?ANI:NAME", "?POL:NAME", "?CALENDAR", "?CALENDAR:3"})
        EXPECT_FALSE(h->find(c)->usable()) << c;
    PLAY(h->press("?PAS:CHEK"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(response, rt::response::Cancelled);
    EXPECT_EQ(passports(), (Lines{"1 1 2 1 11 17.09.2022 2-8-23 2 ''"}));
}

}  // namespace
}  // namespace vx::registry::testing
