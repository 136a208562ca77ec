#include <gtest/gtest.h>

#include "registry/books/tests/books_fixture.h"

namespace vx::registry::books::testing {
namespace {

class SpeciesBookTest : public BooksTest {
protected:
    void SetUp() override {
        BooksTest::SetUp();
        addSpecies(2, "Коровы");
        addSpecies(-1, "Скрытый");
        addSpecies(1, "Овцы");
    }
};

TEST_F(SpeciesBookTest, ListsSpeciesWithIdsOfZeroOrMoreByTheChosenTab) {
    PLAY(h->start("Browseanimvid"));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"0001|Овцы", "0002|Коровы"}));
    PLAY(h->tab("?CURRENTTAB", "Наименование животного"));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"0002|Коровы", "0001|Овцы"}));
    PLAY(h->tab("?CURRENTTAB", "ID"));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"0001|Овцы", "0002|Коровы"}));
}

TEST_F(SpeciesBookTest, FormInsertsAndChangesSpeciesAndTakesADuplicateId) {
    PLAY(h->start("Browseanimvid"));
    PLAY(h->press("?INSERT:3"));
    PLAY(h->expectWindow("Updateanimvid"));
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->type("?ANI:IDANIM", "2"));
    PLAY(h->type("?ANI:NAME", "Козы"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updateanimvid"));
    EXPECT_EQ(species(), (Lines{"2 Коровы", "-1 Скрытый", "1 Овцы", "2 Козы"}));
    EXPECT_EQ(rows("?BROWSE:1").size(), 3u);

    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->press("?CHANGE:3"));
    PLAY(h->expectStatus(2, "Изменить запись"));
    PLAY(h->expectValue("?ANI:NAME", "Овцы"));
    PLAY(h->type("?ANI:NAME", "Бараны"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(species()[2], "1 Бараны");
    EXPECT_EQ(rows("?BROWSE:1")[0], "0001|Бараны");
}

TEST_F(SpeciesBookTest, DeletingASpeciesWithADiagnosticSchemeIsRefused) {
    addGroup(10, 1, "Телята");
    addScheme(true, 5, 1);
    PLAY(h->start("Browseanimvid"));
    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?DELETE:3"));
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(
        messages().back().rfind("Referential Integrity Delete Error: This record is referenced from the file task.", 0),
        0u)
        << messages().back();
    EXPECT_EQ(species().size(), 3u);
    EXPECT_EQ(groups(), (Lines{"10 1 Телята"}));
}

TEST_F(SpeciesBookTest, DeletingASpeciesTakesItsGroupsSchemesAndPassportsOfTheOpenDatabaseOnly) {
    addGroup(10, 1, "Телята");
    addGroup(20, 2, "Ягнята");
    addScheme(false, 7, 1);
    addScheme(false, 8, 2);
    chooseDatabase("b");
    addPassport(1, 1, 10);
    chooseDatabase("a");
    addPassport(1, 1, 10);
    addPassport(2, 2, 20);

    PLAY(h->start("Browseanimvid"));
    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?DELETE:3"));
    EXPECT_EQ(rows("?BROWSE:1"), (Lines{"0002|Коровы"}));
    EXPECT_EQ(species(), (Lines{"2 Коровы", "-1 Скрытый"}));
    EXPECT_EQ(groups(), (Lines{"20 2 Ягнята"}));
    EXPECT_EQ(preventiveSchemes(), (Lines{"8 2"}));
    EXPECT_EQ(passports(), (Lines{"2 2 20"}));
    chooseDatabase("b");
    EXPECT_EQ(passports(), (Lines{"1 1 10"}));
}

}  // namespace
}  // namespace vx::registry::books::testing
