#include <gtest/gtest.h>

#include "dictionary/names.h"
#include "platform/runtime/thread_state.h"
#include "registry/books/books_windows.h"
#include "registry/books/tests/books_fixture.h"

namespace vx::registry::books::testing {
namespace {

class GroupBookTest : public BooksTest {
protected:
    void SetUp() override {
        BooksTest::SetUp();
        addSpecies(2, "Овцы");
        addSpecies(-1, "Скрытый");
        addSpecies(1, "Коровы");
        addGroup(20, 2, "Ягнята");
        addGroup(10, 1, "Телята");
    }
};

TEST_F(GroupBookTest, ComboOffersEverySpeciesInFileOrderAndSetsTheGroupsSpecies) {
    PLAY(h->start("BrowsePol"));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"Телята|0010|0001", "Ягнята|0020|0002"}));

    PLAY(h->press("?INSERT:3"));
    PLAY(h->expectWindow("UpdatePol"));
    PLAY(h->expectStatus(2, "Добавить запись"));
    EXPECT_EQ(rows("?ANI:NAME"), (Lines{"Овцы|0002", "Скрытый|-0001", "Коровы|0001"}));
    PLAY(h->choose("?ANI:NAME", "Скрытый"));
    PLAY(h->type("?POL:IDPOL", "10"));
    PLAY(h->type("?POL:NAME", "Прочие"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdatePol"));
    EXPECT_EQ(groups(), (Lines{"20 2 Ягнята", "10 1 Телята", "10 -1 Прочие"}));
}

TEST_F(GroupBookTest, ChangingAGroupIdRenumbersItsPassportsUnlessACountRecordExists) {
    addPassport(1, 1, 10);
    PLAY(h->start("BrowsePol"));
    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->press("?CHANGE:3"));
    PLAY(h->expectStatus(2, "Изменить запись"));
    PLAY(h->expectValue("?ANI:NAME", "Коровы"));
    PLAY(h->type("?POL:IDPOL", "11"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdatePol"));
    EXPECT_EQ(groups()[1], "11 1 Телята");
    EXPECT_EQ(passports(), (Lines{"1 1 11"}));

    addCountRecord(11);
    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->press("?CHANGE:3"));
    PLAY(h->type("?POL:IDPOL", "12"));
    PLAY(h->press("?OK"));
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages().back().rfind(
                  "Referential Integrity Update Error: This record is referenced from the file pvsego.", 0),
              0u)
        << messages().back();
    EXPECT_EQ(groups()[1], "11 1 Телята");
    EXPECT_EQ(passports(), (Lines{"1 1 11"}));
}

// Both book forms opened for viewing: nothing can be edited and "Да" stores nothing.
TEST_F(GroupBookTest, ViewedFormsOnlyShow) {
    using namespace dct;
    struct Case {
        const char* form;
        std::function<void()> procedure;
        std::function<void()> fetch;
        std::vector<const char*> readOnly, disabled;
    } cases[] = {
        {"Updateanimvid",
         Updateanimvid,
         [] {
             ANI->IDANIM = 2;
             Fetch(ANI_K1);
         },
         {"?ANI:IDANIM", "?ANI:NAME"},
         {}},
        {"UpdatePol",
         UpdatePol,
         [] {
             POL->IDPOL = 20;
             Fetch(POL_K1);
         },
         {"?POL:IDPOL", "?POL:NAME"},
         {"?ANI:NAME"}},
    };
    for (const Case& c : cases) {
        h->addProcedure(std::string(c.form) + "View", [&c] {
            for (AccessRef file : {Access::ANIMVID, Access::POLVOZ}) {
                file->open();
                file->useFile();
            }
            c.fetch();
            *rt::GLOBALREQUEST = rt::request::View;
            c.procedure();
        });
        PLAY(h->start(std::string(c.form) + "View"));
        PLAY(h->expectWindow(c.form));
        PLAY(h->expectStatus(2, "View Record"));
        for (const char* control : c.readOnly) EXPECT_TRUE(h->find(control)->readOnly()) << c.form << " " << control;
        for (const char* control : c.disabled) EXPECT_FALSE(h->find(control)->usable()) << c.form << " " << control;
        PLAY(h->press("?OK"));
        PLAY(h->expectClosed(c.form));
    }
    EXPECT_EQ(species(), (Lines{"2 Овцы", "-1 Скрытый", "1 Коровы"}));
    EXPECT_EQ(groups(), (Lines{"20 2 Ягнята", "10 1 Телята"}));
    PLAY(h->expectNoMessage());
}

}  // namespace
}  // namespace vx::registry::books::testing
