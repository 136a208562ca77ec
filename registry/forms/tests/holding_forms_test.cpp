#include <gtest/gtest.h>

#include "database/database_choice.h"
#include "dictionary/dictionary.h"
#include "dictionary/names.h"
#include "platform/runtime/thread_state.h"
#include "registry/forms/forms_windows.h"
#include "registry/forms/tests/forms_fixture.h"
#include "tests/limited_folder.h"

namespace vx::registry::testing {
namespace {

using namespace dct;

class HoldingFormsTest : public FormsTest {
protected:
    Lines holdings() {
        Lines out;
        onThread([&] {
            withFiles([&] {
                Set(HOZ);
                while (Next(HOZ))
                    out.push_back(HOZ->IDHOZ.value().plain() + " " + HOZ->NAME.str() + " " +
                                  std::to_string(HOZ->SEKTOR));
            });
        });
        return out;
    }
    Lines farms() {
        Lines out;
        onThread([&] {
            withFiles([&] {
                Set(FER);
                while (Next(FER))
                    out.push_back(FER->IDHOZ.value().plain() + " " + FER->IDFERM.value().plain() + " " +
                                  FER->NAME.str());
            });
        });
        return out;
    }
};

TEST_F(HoldingFormsTest, AHoldingIsInsertedWithItsSectorAndDuplicateNumbersAreAllowed) {
    addHolding(1, "Первое");
    open(Updatehoz, rt::request::Insert);
    PLAY(h->expectWindow("Updatehoz"));
    PLAY(h->expectStatus(2, "Добавит запись"));
    PLAY(h->type("?HOZ:IDHOZ", "1"));
    PLAY(h->type("?HOZ:NAME", "Двойник"));
    PLAY(h->press("?HOZ:SEKTOR:RADIO2"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updatehoz"));
    EXPECT_EQ(response, rt::response::Completed);
    EXPECT_EQ(holdings(), (Lines{"1 Первое 0", "1 Двойник 2"}));
}

TEST_F(HoldingFormsTest, AHoldingNumberTheListsCouldNotShowIsNotStored) {
    const struct {
        const char* typed;
        const char* refusal;  // the message OK shows, "" for none
        bool stored;
    } cases[] = {
        {"0", "Хозяйство, поселение: Укажите iD хозяйства (поселения) больше нуля.", false},
        {"-5", "Хозяйство, поселение: Укажите iD хозяйства (поселения) больше нуля.", false},
        {"99999999999", "", false},  // the entry refuses it: the field holds three digits
        {"7", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        open(Updatehoz, rt::request::Insert);
        PLAY(h->type("?HOZ:NAME", "Новое"));
        PLAY(h->type("?HOZ:IDHOZ", c.typed));
        const std::size_t before = messages().size();
        h->press("?OK");
        EXPECT_EQ(messages().size() > before ? messages().back() : std::string(), c.refusal);
        EXPECT_EQ(!h->expectWindow("Updatehoz"), c.stored);
        if (c.stored) continue;
        PLAY(h->type("?HOZ:IDHOZ", ""));
        PLAY(h->answer("Yes"));
        PLAY(h->press("?CANCEL"));
    }
    EXPECT_EQ(holdings(), (Lines{"7 Новое 0"}));
}

TEST_F(HoldingFormsTest, ViewedHoldingAndFarmCannotBeEditedAndOkStoresNothing) {
    addHolding(3, "Заречное");
    addFarm(3, 4, "Луговая");
    struct Case {
        const char* form;
        std::function<void()> procedure;
        std::function<void()> fetch;
        std::vector<const char*> locked;
    } cases[] = {
        {"Updatehoz",
         Updatehoz,
         [] {
             HOZ->IDHOZ = 3;
             Fetch(HOZ_K1);
         },
         {"?HOZ:IDHOZ", "?HOZ:NAME"}},
        {"Updateferma",
         Updateferma,
         [] {
             FER->IDHOZ = 3;
             FER->IDFERM = 4;
             Fetch(FER_K3);
         },
         {"?FER:IDFERM", "?FER:IDHOZ", "?HOZ:NAME", "?FER:NAME"}},
    };
    for (const Case& c : cases) {
        open(c.procedure, rt::request::View, c.fetch);
        PLAY(h->expectWindow(c.form));
        PLAY(h->expectStatus(2, "View Record"));
        for (const char* control : c.locked) EXPECT_TRUE(h->find(control)->readOnly()) << c.form << " " << control;
        PLAY(h->press("?OK"));
        PLAY(h->expectClosed(c.form));
        EXPECT_EQ(response, rt::response::Cancelled) << c.form;
    }
    EXPECT_EQ(holdings(), (Lines{"3 Заречное 0"}));
    EXPECT_EQ(farms(), (Lines{"3 4 Луговая"}));
}

TEST_F(HoldingFormsTest, ANewFarmShowsTheNameOfTheHoldingItWasPrimedWith) {
    addHolding(2, "Вторая");
    addHolding(5, "Пятая");
    open(Updateferma, rt::request::Insert, [] { primeInsert(*Access::FERMA, {{"IDHOZ", Value(2)}}); });
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->expectValue("?FER:IDHOZ", "2"));
    PLAY(h->expectValue("?HOZ:NAME", "Вторая"));
    PLAY(h->type("?FER:IDHOZ", "5"));
    PLAY(h->expectValue("?HOZ:NAME", "Пятая"));
    PLAY(h->type("?FER:IDHOZ", "9"));
    PLAY(h->expectValue("?HOZ:NAME", ""));  // no such holding
    PLAY(h->type("?FER:IDHOZ", "2"));
    PLAY(h->type("?FER:IDFERM", "4"));
    PLAY(h->type("?FER:NAME", "Луговая"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updateferma"));
    EXPECT_EQ(farms(), (Lines{"2 4 Луговая"}));
}

// The renumber reaches the farms, passports, measures and counts: in a folder that takes no
// write it stores nothing and its last word names the folder, whether a file it reaches is
// still to be made (the form closes) or every file is there (the form stays open).
TEST_F(HoldingFormsTest, ARenumberInAReadOnlyFolderSaysSoAndChangesNothing) {
    const std::filesystem::path db = dir / "db";
    const std::string cause = "folder " + db.string() + " is read-only";
    const struct {
        const char* name;
        bool everyFile;
        std::string said;
    } cases[] = {
        {"a file still to be made", false, "Ошибка создания файла: Error: (" + cause + ") creating vdi."},
        {"every file there", true,
         "Transaction cancelled: Error: (" + cause + ") attempting to frame the transaction on hoz."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto prepare = [&] {
            database::chooseDatabaseFolder(db.string() + "/");
            addHolding(1, "Первое");
            addFarm(1, 1, "Луговая");
            addPassport(1, 1, 1, "A-1");
            if (c.everyFile)
                onThread([] {
                    for (std::size_t i = 0; i < kFileCount; ++i) {
                        data::FileManager& f = dictionary().managers().access(i);
                        f.open();
                        ASSERT_EQ(f.useFile(), rt::Level::Benign);
                        f.close();
                    }
                });
        };
        const auto renumber = [&] {
            open(Updatehoz, rt::request::Change, [] {
                HOZ->IDHOZ = 1;
                Fetch(HOZ_K1);
            });
            std::string out = h->type("?HOZ:IDHOZ", "5").refusal;
            out += h->press("?OK").refusal;
            const Lines said = messages();
            const std::string last = said.empty() ? std::string() : said.back();
            if (h->windowsOf("Updatehoz").empty()) {
                out += "closed";
            } else {
                out += h->answer("Yes").refusal;
                out += h->press("?CANCEL").refusal;
            }
            out += "|" + last;
            for (const std::string& line : holdings()) out += "|" + line;
            for (const std::string& line : farms()) out += "|" + line;
            return out;
        };
        const std::optional<std::string> result =
            vx::testing::withLimitedFolder(db, vx::testing::FolderLimit::ReadOnly, prepare, renumber);
        if (!result) GTEST_SKIP() << "no mount namespace here for a read-only folder";
        EXPECT_EQ(*result, std::string(c.everyFile ? "" : "closed") + "|" + c.said + "|1 Первое 0|1 1 Луговая");
    }
}

}  // namespace
}  // namespace vx::registry::testing
