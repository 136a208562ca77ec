#include <gtest/gtest.h>

#include "context/globals.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"
#include "platform/ui/user_input.h"
#include "registry/register/tests/register_fixture.h"

namespace vx::registry::testing {
namespace {

// The animal globals as "IDHOZ IDFERM IDANIM IDVIDANIM IDPOL DATAROG IDKORP IDGRUPPA IDNGRUPPA".
std::string animalContext() {
    return glo::IDHOZ.value().plain() + " " + glo::IDFERM.value().plain() + " " + clip(glo::IDANIM.str()) + " " +
           glo::IDVIDANIM.value().plain() + " " + glo::IDPOL.value().plain() + " " + std::to_string(glo::DATAROG) +
           " " + glo::IDKORP.value().plain() + " " + glo::IDGRUPPA.value().plain() + " " + clip(glo::IDNGRUPPA.str());
}

std::string holdingAndFarm() {
    return glo::IDHOZ.value().plain() + " " + clip(glo::HOZNAME.str()) + " / " + glo::IDFERM.value().plain() + " " +
           clip(glo::FERNAME.str());
}

TEST_F(RegisterTest, ListsFollowTheirParentsAndCopyTheContext) {
    addHolding(1, "Первое");
    addHolding(2, "Второе");
    addHolding(3, "Третье");
    addFarm(1, 1, "Ферма А");
    addFarm(1, 2, "Ферма Б");
    addFarm(2, 5, "Ферма В");
    addSpecies(3, "КРС");
    addGroup(31, 3, "Тёлки");
    addPassport(1, 1, 1, "A-1", [] { dct::PAS->FIO = "Иванов"; });
    addPassport(1, 1, 2, "A-2", [] {
        dct::PAS->FIO = "Петров";
        dct::PAS->VIDANIM = 3;
        dct::PAS->IDPOL = 31;
        dct::PAS->DATAROG = 80000;
        dct::PAS->KORP = 4;
        dct::PAS->GRUPPA = 12;
        dct::PAS->NGRUPPA = "Дойное";
    });
    PLAY(h->start("Browsehoz"));
    EXPECT_EQ(rows("?BROWSE:1").size(), 3u);
    EXPECT_EQ(rows("?LIST"), (Lines{"1|Ферма А|Первое", "2|Ферма Б|Первое"}));
    EXPECT_EQ(rows("?LIST:2").size(), 2u);
    EXPECT_EQ(holdingAndFarm(), "1 Первое / 1 Ферма А");
    EXPECT_EQ(animalContext(), "1 1 A-1 0 0 0 0 0 ");

    // The row clicked is the row every handler sees: panel and globals alike.
    PLAY(h->click("?LIST:2", 2));
    EXPECT_EQ(animalContext(), "1 1 A-2 3 31 80000 4 12 Дойное");
    PLAY(h->expectValue("?PAS:FIO", "Петров"));
    PLAY(h->expectValue("?IDANIM", "A-2"));
    PLAY(h->expectValue("?ANI:NAME", "КРС"));
    PLAY(h->expectValue("?POL:NAME", "Тёлки"));
    PLAY(h->key("?LIST:2", "Up"));
    EXPECT_EQ(animalContext(), "1 1 A-1 0 0 0 0 0 ");

    // A farm without animals leaves none of another farm in the context.
    PLAY(h->click("?LIST:2", 2));
    PLAY(h->click("?LIST", 2));
    EXPECT_TRUE(rows("?LIST:2").empty());
    EXPECT_EQ(holdingAndFarm(), "1 Первое / 2 Ферма Б");
    EXPECT_EQ(animalContext(), "1 2 0 0 0 0 0 0 ");
    PLAY(h->expectValue("?PAS:FIO", ""));
    PLAY(h->expectValue("?ANI:NAME", ""));  // nor the names of its species and group
    PLAY(h->expectValue("?POL:NAME", ""));

    // Another holding: its first farm becomes current.
    PLAY(h->click("?BROWSE:1", 2));
    EXPECT_EQ(rows("?LIST"), (Lines{"5|Ферма В|Второе"}));
    EXPECT_EQ(holdingAndFarm(), "2 Второе / 5 Ферма В");

    // A holding without farms: no farm and no animal of another one stays current.
    PLAY(h->click("?BROWSE:1", 3));
    EXPECT_TRUE(rows("?LIST").empty());
    EXPECT_TRUE(rows("?LIST:2").empty());
    EXPECT_EQ(holdingAndFarm(), "3 Третье / 0 ");
    EXPECT_EQ(animalContext(), "3 0 0 0 0 0 0 0 ");
}

TEST_F(RegisterTest, MeasureListsShowTheCurrentAnimalsRecordsByMeasureThenDate) {
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1");
    addPassport(1, 1, 2, "A-2");
    struct Measure {
        int animal, task, date;
    } measures[] = {{1, 20, 80010}, {2, 10, 80001}, {1, 10, 80030}, {1, 20, 80005}, {1, 10, 80020}};
    for (const Measure& m : measures) {
        addPreventive(1, 1, m.animal, [&] {
            dct::VPO->IDTASK = Decimal::fromMantissa(m.task, 1);
            dct::VPO->DATATASK = m.date;
        });
        addDiagnostic(1, 1, m.animal, [&] {
            dct::VDI->IDTASK = Decimal::fromMantissa(m.task, 1);
            dct::VDI->DATATASK = m.date;
        });
    }
    PLAY(h->start("Browsehoz"));
    const auto dates = [this](const char* list) {
        Lines out;
        for (const std::string& row : rows(list)) out.push_back(row.substr(0, row.find('|')));
        return out;
    };
    const Lines first = {formatDate(80020), formatDate(80030), formatDate(80005), formatDate(80010)};
    EXPECT_EQ(dates("?LIST:3"), first);
    EXPECT_EQ(dates("?LIST:4"), first);
    PLAY(h->click("?LIST:2", 2));
    EXPECT_EQ(dates("?LIST:3"), Lines{formatDate(80001)});
    EXPECT_EQ(dates("?LIST:4"), Lines{formatDate(80001)});
}

TEST_F(RegisterTest, AColumnTitleResortsItsListUntilTheSortIsRestored) {
    addHolding(1, "Яблоневое");
    addHolding(2, "Берёзовое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1", [] { dct::PAS->FIO = "Сидоров"; });
    addPassport(1, 1, 2, "A-2", [] { dct::PAS->FIO = "Антонов"; });
    addPassport(1, 1, 3, "A-3", [] { dct::PAS->FIO = "Петров"; });
    PLAY(h->start("Browsehoz"));
    ui::Window& w = *h->current();
    const auto firstCells = [this](const char* list) {
        Lines out;
        for (const std::string& row : rows(list)) out.push_back(row.substr(0, row.find('|')));
        return out;
    };
    PLAY(ui::input::clickHeader(w, w.idOf("?LIST:2"), 2));
    PLAY(h->settle());
    EXPECT_EQ(firstCells("?LIST:2"), (Lines{"A-2", "A-3", "A-1"}));
    PLAY(ui::input::clickHeader(w, w.idOf("?BROWSE:1"), 1));
    PLAY(h->settle());
    EXPECT_EQ(firstCells("?BROWSE:1"), (Lines{"2", "1"}));
    // Once more descending, and a third time back to the key order.
    PLAY(ui::input::clickHeader(w, w.idOf("?LIST:2"), 2));
    PLAY(ui::input::clickHeader(w, w.idOf("?LIST:2"), 2));
    PLAY(h->settle());
    EXPECT_EQ(firstCells("?LIST:2"), (Lines{"A-1", "A-2", "A-3"}));
}

// A form runs on the register's thread and reads into the same record buffers; a
// form left without saving must leave the register's rows as they were.
TEST_F(RegisterTest, AFormLeftWithoutSavingLeavesTheRowsAndTheContextAsTheyWere) {
    addHolding(1, "Первое");
    addHolding(2, "Второе");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1", [] { dct::PAS->FIO = "Иванов"; });
    PLAY(h->start("Browsehoz"));
    PLAY(h->press("?CHANGE"));
    PLAY(h->type("?FER:IDHOZ", "2"));
    PLAY(h->expectValue("?HOZ:NAME", "Второе"));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectClosed("Updateferma"));
    PLAY(h->click("?LIST", 1));
    EXPECT_EQ(holdingAndFarm(), "1 Первое / 1 Луговая");
    EXPECT_EQ(rows("?LIST"), (Lines{"1|Луговая|Первое"}));

    PLAY(h->press("?CHANGE:2"));
    PLAY(h->type("?PAS:FIO", "Петров"));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectClosed("Updatepasport"));
    PLAY(h->expectValue("?PAS:FIO", "Иванов"));
    PLAY(h->click("?LIST:2", 1));
    EXPECT_EQ(animalContext(), "1 1 A-1 0 0 0 0 0 ");
    PLAY(h->expectRow("?LIST:2", 1, "A-1||Иванов"));
}

ui::Outcome noFormOpen(headless::Harness& h) {
    for (const char* form : {"Updatehoz", "Updateferma", "Updatepasport"})
        if (ui::Outcome o = h.expectClosed(form); !o) return o;
    return ui::Outcome::done();
}

// Opened for viewing only, neither the buttons nor the list keys reach a form.
TEST_F(RegisterTest, AViewedRegisterEditsNothing) {
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1");
    PLAY(h->start("BrowsehozView"));
    for (const char* button : {"?INSERT:3", "?CHANGE:3", "?DELETE:3", "?INSERT", "?DELETE", "?INSERT:2", "?CHANGE:2"}) {
        PLAY(h->press(button));
        PLAY(noFormOpen(*h));
    }
    PLAY(h->key("?BROWSE:1", "Insert"));
    PLAY(h->key("?LIST:2", "Enter"));
    PLAY(h->key("?LIST:2", "Delete"));
    PLAY(h->click("?LIST", 1, "", "double"));
    PLAY(noFormOpen(*h));
    PLAY(h->expectNoMessage());
    EXPECT_EQ(farms(), (Lines{"1 1 Луговая"}));
    EXPECT_EQ(passports(), (Lines{"1 1 1 A-1"}));
    EXPECT_EQ(rows("?LIST:2").size(), 1u);
}

}  // namespace
}  // namespace vx::registry::testing
