#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "registry/register/tests/marking_register_fixture.h"

namespace vx::registry::testing {
namespace {

using namespace dct;

const int32_t kToday = makeDate(12, 10, 2026);

class RegisterToolsTest : public MarkingRegisterTest {
protected:
    void SetUp() override {
        MarkingRegisterTest::SetUp();
        fixToday(kToday);
    }
};

TEST_F(RegisterToolsTest, AgeSynchronisationStoresEveryAgeShowsItAndSaysSo) {
    addHolding(1, "Заря");
    addFarm(1, 1, "Центр");
    addFarm(2, 1, "Центр");
    const struct {
        int holding;
        int32_t birth;
    } passports[] = {{1, kToday - 365}, {1, kToday - 31}, {2, 0}, {1, kToday + 10}};
    int id = 0;
    for (const auto& p : passports)
        addPassport(p.holding, 1, ++id, "N", [&] {
            PAS->DATAROG = p.birth;
            PAS->VOZRASTG = 9;  // stale
        });
    PLAY(h->start("Browsehoz"));
    PLAY(h->select("?LIST:2", 2));
    PLAY(h->focus("?BUTTON20"));
    PLAY(h->expectMessage("Синхронизация возраста животных",
                          "Синхронизация возраста животных проведена!|Дата рождения позже сегодняшней у "
                          "животных: 1, их возраст 0."));
    // Every holding; no birth date, or one ahead of today, gives no age.
    EXPECT_EQ(ages(), (Lines{"1 0 0", "0 1 0", "0 0 0", "0 0 0"}));
    PLAY(h->expectRow("?LIST:2", 1, "N|10.12.2025|||1||"));
    EXPECT_EQ(list("?LIST:2").current(), 1);
    PLAY(h->press("?BUTTON20"));  // a press without a new focus does not synchronise again
    PLAY(h->expectNoMessage());
}

TEST_F(RegisterToolsTest, HerdStructureShowsTheFarmAndAppendsDatedSummariesToTheNotes) {
    addGroup(12, 0, "Тёлки");
    addGroup(11, 0, "Коровы");
    addGroup(31, 0, "Овцы");
    addHolding(1, "Заря");
    addHolding(2, "Восход");
    addFarm(1, 1, "Центральная");
    addFarm(1, 2, "Луг");
    addFarm(2, 1, "Центр");
    const struct {
        int holding, farm, group;
        const char* disposal;
    } passports[] = {
        {1, 1, 11, ""}, {1, 1, 12, ""}, {1, 1, 11, ""}, {1, 1, 12, "Падёж"},  // disposed of, still counted
        {1, 2, 31, ""}, {2, 1, 11, ""}, {2, 1, 11, ""},
    };
    int id = 0;
    for (const auto& p : passports)
        addPassport(p.holding, p.farm, ++id, "", [&] {
            PAS->IDPOL = p.group;
            PAS->PRICH = p.disposal;
        });
    onThread([] {
        Access::FERMA->open();
        ASSERT_EQ(Access::FERMA->useFile(), rt::Level::Benign);
        Set(FERMA);
        ASSERT_TRUE(Next(FERMA));
        FER->PRIM = "Центр";
        ASSERT_TRUE(Put(FERMA));
        Access::FERMA->close();
    });
    PLAY(h->start("Browsehoz"));
    PLAY(h->select("?LIST:2", 2));
    PLAY(h->focus("?BUTTON32"));
    EXPECT_EQ(h->tooltip("?BUTTON32"),
              "Структура поголовья:\n\n[Заря][Центральная]\n\n"
              "[    2] Тёлки\n-----------------------------------\n"
              "[    2] Коровы\n-----------------------------------\n");
    PLAY(h->press("?BUTTON32"));
    PLAY(h->focus("?LIST:2"));
    PLAY(h->press("?BUTTON32"));  // a new focus counts again, then the press appends

    const std::string farm = "10.12.2026  [    2] Тёлки [    2] Коровы";
    const std::string holding = "10.12.2026  [    2] Тёлки [    2] Коровы [    1] Овцы";
    EXPECT_EQ(notes(true), (Lines{"Центр\n" + farm + "\n" + farm, "", ""}));
    EXPECT_EQ(notes(false), (Lines{"\n" + holding, ""}));  // once per opening of the register
    EXPECT_EQ(list("?LIST:2").current(), 1);
    EXPECT_EQ(glo::IDANIM.str(), "");
    EXPECT_EQ(glo::IDPOL.value(), Decimal(12));
    PLAY(h->expectNoMessage());
}

class SearchFilterRegisterTest : public RegisterToolsTest {
protected:
    void SetUp() override {
        RegisterToolsTest::SetUp();
        addHolding(1, "Заря");
        addFarm(1, 1, "Центр");
        addFarm(1, 2, "Луг");
        int id = 0;
        for (const char* owner : {"Иванов Пётр", "Петров", "О'Нил Шон", "ИВАНОВА"})
            addPassport(1, 1, ++id, "", [&] {
                PAS->FIO = owner;
                PAS->KORP = id;
            });
        addPassport(1, 2, ++id, "", [] { PAS->FIO = "Иванов"; });
        glo::GLO_REPORTQUERYRESULT = "";
    }
    Lines owners() {
        Lines out;
        for (int n = 1; auto r = h->row("?LIST:2", n); ++n) out.push_back((*r)[2]);
        return out;
    }
};

TEST_F(SearchFilterRegisterTest, BuildApplyAndRemoveTheFilterOfTheCurrentFarm) {
    const std::string here = "(pas:idhoz = 1) and (pas:idferma = 1)  and ";
    PLAY(h->start("Browsehoz"));
    PLAY(h->choose("?SP_FIELD", "По фамилии"));
    PLAY(h->type("?GLO:FILTER", "иванов"));
    PLAY(h->focus("?BUTTON28"));
    PLAY(h->expectValue("?GLO:FILTER", here + "(instring('ИВАНОВ',UPPER(pas:fio),1,1)<>0)"));
    PLAY(h->focus("?BUTTON26"));
    EXPECT_EQ(owners(), (Lines{"Иванов Пётр", "ИВАНОВА"}));
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT.str(), here + "(instring('ИВАНОВ',UPPER(pas:fio),1,1)<>0)");

    PLAY(h->type("?GLO:FILTER", "о'нил"));
    PLAY(h->focus("?BUTTON28"));
    PLAY(h->focus("?BUTTON26"));
    EXPECT_EQ(owners(), (Lines{"О'Нил Шон"}));
    PLAY(h->expectNoMessage());

    // The report gets the search filter and consumes it.
    glo::GLO_REPORTQUERYRESULT = "";
    PLAY(h->press("?PRINT"));
    PLAY(h->wait(1));
    PLAY(h->expectReport("PrintQBE"));
    const std::string printed = h->dumpReport();
    EXPECT_NE(printed.find("О'Нил Шон"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("Петров"), std::string::npos) << printed;
    EXPECT_TRUE(glo::GLO_REPORTQUERYRESULT.blank());
    PLAY(h->close());

    PLAY(h->focus("?BUTTON27"));
    EXPECT_EQ(owners(), (Lines{"Иванов Пётр", "Петров", "О'Нил Шон", "ИВАНОВА"}));
    PLAY(h->expectValue("?GLO:FILTER", ""));
    EXPECT_TRUE(glo::GLO_REPORTQUERYRESULT.blank());

    PLAY(h->choose("?SP_FIELD", "По № корпуса"));
    PLAY(h->type("?GLO:FILTER", "2"));
    PLAY(h->focus("?BUTTON28"));
    PLAY(h->expectValue("?GLO:FILTER", here + "(PAS:korp = 2)"));
    PLAY(h->choose("?SP_FIELD", "По адресу"));  // a new mode empties the value
    PLAY(h->expectValue("?GLO:FILTER", ""));
    PLAY(h->press("?PRINT:4"));  // neither a search filter nor a query: nothing handed over
    EXPECT_TRUE(glo::GLO_REPORTQUERYRESULT.blank());
    PLAY(h->expectNoMessage());
}

TEST_F(SearchFilterRegisterTest, AFilterThatCannotBeUsedIsRefusedAndTheListKeepsItsFilter) {
    PLAY(h->start("Browsehoz"));
    PLAY(h->choose("?SP_FIELD", "По фамилии"));
    PLAY(h->type("?GLO:FILTER", "петров"));
    PLAY(h->focus("?BUTTON28"));
    PLAY(h->focus("?BUTTON26"));
    ASSERT_EQ(owners(), (Lines{"Петров"}));

    PLAY(h->choose("?SP_FIELD", "По № корпуса"));
    PLAY(h->type("?GLO:FILTER", "5 OR 1"));
    PLAY(h->focus("?BUTTON28"));
    PLAY(h->expectMessage("Фильтр поиска", "Для поиска по номеру введите только цифры!"));
    PLAY(h->expectValue("?GLO:FILTER", "5 OR 1"));

    PLAY(h->choose("?SP_FIELD", "Произвольный"));
    PLAY(h->type("?GLO:FILTER", "(pas:korp = "));
    PLAY(h->focus("?BUTTON28"));
    PLAY(h->focus("?BUTTON26"));
    PLAY(h->expectMessage("Фильтр поиска", "Выражение фильтра содержит ошибку. Фильтр не применён!"));
    EXPECT_EQ(owners(), (Lines{"Петров"}));

    PLAY(h->type("?GLO:FILTER", "pas:korp > 2 and ANI:NAME = ''"));  // the list's joined names are known
    PLAY(h->focus("?BUTTON28"));
    PLAY(h->focus("?BUTTON26"));
    EXPECT_EQ(owners(), (Lines{"О'Нил Шон", "ИВАНОВА"}));
    PLAY(h->expectNoMessage());
}

}  // namespace
}  // namespace vx::registry::testing
