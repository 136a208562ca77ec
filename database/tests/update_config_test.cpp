#include <gtest/gtest.h>

#include "context/globals.h"
#include "database/database_choice.h"
#include "database/database_windows.h"
#include "database/tests/database_windows_fixture.h"
#include "dictionary/names.h"
#include "platform/runtime/thread_state.h"

namespace vx::database::testing {
namespace {

using namespace dct;

TEST(StoredFolder, EndsInOneSeparatorUnlessBlank) {
    const std::pair<const char*, const char*> cases[] = {
        {"/bases/a", "/bases/a/"},
        {"  /bases/a  ", "/bases/a/"},
        {"/bases/a/", "/bases/a/"},
        {"C:\\bases\\a\\", "C:\\bases\\a\\"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& [typed, stored] : cases) EXPECT_EQ(storedFolder(typed), stored) << '"' << typed << '"';
}

TEST(StoredFolder, FitsDiskNamesWhileTheLongestNameFits) {
    const std::string fits(254 - 11, 'x');
    EXPECT_TRUE(fitsDiskNames(fits));
    EXPECT_TRUE(fitsDiskNames(fits + "   "));
    EXPECT_FALSE(fitsDiskNames(fits + "y"));
    // Characters count, not bytes.
    std::string cyrillic;
    for (std::size_t i = 0; i < fits.size(); ++i) cyrillic += "ж";
    EXPECT_TRUE(fitsDiskNames(cyrillic));
}

class UpdateConfigTest : public DatabaseWindowsTest {
protected:
    void SetUp() override {
        DatabaseWindowsTest::SetUp();
        addGroup(1, "Район");
        addDatabase(1, "/bases/first/", "Первая");
        PLAY(h->start("BrowseBD"));
        PLAY(h->key("?BROWSE:1", "Alt+F10"));
        PLAY(h->press("?CHANGE"));
        PLAY(h->expectWindow("UpdateConfig"));
    }
};

TEST_F(UpdateConfigTest, AltF10AllowsEditingAndTheFolderDialog) {
    PLAY(h->expectStatus(2, "Изменить запись"));
    EXPECT_FALSE(shownAndUsable("?LOOKUPFOLDER"));
    EXPECT_FALSE(shownAndUsable("?KON:NAME"));
    PLAY(h->key("?KON:KOD", "Alt+F10"));
    EXPECT_TRUE(shownAndUsable("?LOOKUPFOLDER"));

    PLAY(h->file("/picked/folder"));
    PLAY(h->press("?LOOKUPFOLDER"));
    PLAY(h->expectValue("?KON:PATH", "/picked/folder"));
    // Cancelling keeps what the entry had.
    PLAY(h->file(""));
    PLAY(h->press("?LOOKUPFOLDER"));
    PLAY(h->expectValue("?KON:PATH", "/picked/folder"));

    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateConfig"));
    EXPECT_EQ(databases(), (Lines{"1 /picked/folder/ Первая"}));
    // The changed row is current again: its database is the chosen one.
    EXPECT_EQ(glo::PUT1.str(), "/picked/folder/hoz.tps");
}

TEST_F(UpdateConfigTest, APathTooLongForTheDiskNamesIsRefused) {
    PLAY(h->key("?KON:KOD", "Alt+F10"));
    PLAY(h->type("?KON:PATH", std::string(244, 'p')));
    PLAY(h->press("?OK"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Путь к базе данных: Путь слишком длинный: сократите его.");
    PLAY(h->expectWindow("UpdateConfig"));
    EXPECT_EQ(databases(), (Lines{"1 /bases/first/ Первая"}));

    PLAY(h->type("?KON:PATH", std::string(242, 'p')));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateConfig"));
    EXPECT_EQ(databases(), (Lines{"1 " + std::string(242, 'p') + "/ Первая"}));
}

TEST_F(UpdateConfigTest, AnEmptyPathStaysEmpty) {
    PLAY(h->key("?KON:KOD", "Alt+F10"));
    PLAY(h->type("?KON:PATH", ""));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateConfig"));
    EXPECT_EQ(databases(), (Lines{"1  Первая"}));
}

class ViewRequestTest : public DatabaseWindowsTest {
protected:
    void SetUp() override {
        DatabaseWindowsTest::SetUp();
        addGroup(1, "Район");
        addDatabase(1, "/bases/first", "Первая");
        h->addProcedure("View", [this] {
            Access::RIDGEN->open();
            Access::CONFIG->open();
            RID->KOD = 1;
            Fetch(RID_K1);
            KON->KOD = 1;
            Fetch(KON_K1);
            *rt::GLOBALREQUEST = rt::request::View;
            form();
            response = *rt::GLOBALRESPONSE;
            Access::CONFIG->close();
            Access::RIDGEN->close();
        });
    }
    std::function<void()> form;
    Byte response = 0;
};

TEST_F(ViewRequestTest, TheDatabaseFormOnlyShows) {
    form = UpdateConfig;
    PLAY(h->start("View"));
    PLAY(h->expectStatus(2, "Просмотреть запись"));
    for (const char* c : {"?KON:KOD", "?KON:PATH", "?KON:NAME"}) EXPECT_TRUE(h->find(c)->readOnly()) << c;
    PLAY(h->key("?KON:KOD", "Alt+F10"));
    EXPECT_FALSE(shownAndUsable("?LOOKUPFOLDER"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateConfig"));
    EXPECT_EQ(response, rt::response::Cancelled);
    EXPECT_EQ(databases(), (Lines{"1 /bases/first Первая"})) << "viewing appends no separator";
}

TEST_F(ViewRequestTest, TheGroupFormOnlyShows) {
    form = UpdateBD;
    PLAY(h->start("View"));
    PLAY(h->expectStatus(2, "View Record"));
    EXPECT_TRUE(h->find("?RID:KOD")->readOnly());
    EXPECT_TRUE(h->find("?RID:NAME")->readOnly());
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpdateBD"));
    EXPECT_EQ(response, rt::response::Cancelled);
}

}  // namespace
}  // namespace vx::database::testing
