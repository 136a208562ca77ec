#include <gtest/gtest.h>

#include "app/globals.h"
#include "platform/core/text.h"
#include "registry/register/tests/register_fixture.h"

namespace vx::registry::testing {
namespace {

TEST_F(RegisterTest, ListsFollowTheirParentsAndCopyTheContext) {
    addHolding(1, "Первое");
    addHolding(2, "Второе");
    addFarm(1, 1, "Ферма А");
    addFarm(1, 2, "Ферма Б");
    addPassport(1, 1, 1, "A-1", [] { dct::PAS->FIO = "Иванов"; });
    addPassport(1, 1, 2, "A-2", [] { dct::PAS->FIO = "Петров"; });
    PLAY(h->start("Browsehoz"));
    EXPECT_EQ(rows("?BROWSE:1").size(), 2u);
    EXPECT_EQ(rows("?LIST"), (Lines{"1|Ферма А|Первое", "2|Ферма Б|Первое"}));
    EXPECT_EQ(rows("?LIST:2").size(), 2u);
    EXPECT_EQ(clip(glo::IDANIM.str()), "A-1");
    PLAY(h->click("?LIST:2", 2));
    EXPECT_EQ(clip(glo::IDANIM.str()), "A-2");
    PLAY(h->expectValue("?PAS:FIO", "Петров"));
    PLAY(h->expectValue("?IDANIM", "A-2"));

    // A farm without animals leaves none of another farm in the context.
    PLAY(h->click("?LIST", 2));
    EXPECT_TRUE(rows("?LIST:2").empty());
    EXPECT_EQ(glo::IDFERM.value().plain(), "2");
    EXPECT_EQ(glo::IDHOZ.value().plain(), "1");
    EXPECT_EQ(clip(glo::IDANIM.str()), "0");

    // A holding without farms: no farm of the first one stays current.
    PLAY(h->click("?BROWSE:1", 2));
    EXPECT_TRUE(rows("?LIST").empty());
    EXPECT_TRUE(rows("?LIST:2").empty());
    EXPECT_EQ(glo::IDHOZ.value().plain(), "2");
    EXPECT_EQ(glo::IDFERM.value().plain(), "0");
    EXPECT_EQ(clip(glo::FERNAME.str()), "");
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
