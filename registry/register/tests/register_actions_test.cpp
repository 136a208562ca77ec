// The register's buttons beyond the lists' own: the scheme and card windows,
// the update dispatch numbers no form answers yet, the refresh button, the
// query form, opening and closing.

#include <gtest/gtest.h>

#include <map>

#include "context/globals.h"
#include "database/database_choice.h"
#include "exchange/animal_import.h"
#include "planning/measure_kinds.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"
#include "platform/runtime/folders.h"
#include "registry/register/tests/register_fixture.h"

namespace vx::registry::testing {
namespace {

using namespace dct;

void setActContext() {
    glo::NAKT = "12";
    glo::NEKSP = "3";
    glo::NVEDJPIS = "7";
    glo::DAKT = 80000;
    glo::DEKSP = 80001;
    glo::DVEDOPIS = 80002;
}

void expectNoActContext() {
    EXPECT_TRUE(glo::NAKT.blank() && glo::NEKSP.blank() && glo::NVEDJPIS.blank());
    EXPECT_EQ(glo::DAKT + glo::DEKSP + glo::DVEDOPIS, 0);
}

TEST_F(RegisterTest, OpeningStartsFromNoHoldingFarmAnimalOrAct) {
    glo::IDHOZ = 9;
    glo::IDFERM = 4;
    glo::IDANIM = "X-9";
    setActContext();
    PLAY(h->start("Browsehoz"));
    EXPECT_EQ(glo::IDHOZ.value(), Decimal());
    EXPECT_EQ(glo::IDFERM.value(), Decimal());
    EXPECT_EQ(clip(glo::IDANIM.str()), "0");
    expectNoActContext();
    // An empty register still offers a new holding.
    PLAY(h->press("?INSERT:3"));
    PLAY(h->expectWindow("Updatehoz"));
}

TEST_F(RegisterTest, SchemeAndCardButtonsStartTheirWindowsOnThreadsOfTheirOwn) {
    PLAY(h->start("Browsehoz"));
    for (const char* button : {"?BUTTON24", "?BUTTON25", "?BUTTON23", "?BUTTON22"}) PLAY(h->press(button));
    EXPECT_EQ(toolStarts, (Lines{"BrwtaskVPO 25000", "BrwtaskVDI 25000", "BrowseTKvpo 25000", "BrowseTKvdi 25000"}));
}

struct PlanCase {
    const char* button;
    const char* planWindow;
    const char* planButton;
    const char* measureList;
    const char* caption;
    const char* done;
};

constexpr PlanCase kPlans[] = {
    {"?BUTTON24", "BrwtaskVPO", "?BUTTON4", "?LIST:3", "Планирование профилактического мероприятия",
     "Профилактическое мероприятие добавлено! Снимите пометку запис(и/ей)!"},
    {"?BUTTON25", "BrwtaskVDI", "?BUTTON4", "?LIST:4", "Планирование диагностического мероприятия",
     "Диагностическое мероприятие добавлено! Снимите пометку запис(и/ей)!"},
    {"?BUTTON23", "BrowseTKvpo", "?BUTTON7", "?LIST:3", "Планирование профилактических мероприятий Типовой картой",
     "Карта профилактических мероприятий добавлена! Снимите пометку запис(и/ей)!"},
    {"?BUTTON22", "BrowseTKvdi", "?BUTTON7", "?LIST:4", "Планирование диагностических мероприятий Типовой картой",
     "Диагностическая Типовая карта мероприятий добавлена! Снимите пометку запис(и/ей)!"},
};

// Three marked animals, the second highlighted: each plan shows in its measure list at
// once, and the register keeps the second highlighted and in its passport panel.
TEST_F(RegisterTest, APlanShowsInTheMeasureListsOfTheHighlightedAnimalAtOnceAndTheContextStaysOnIt) {
    windows = toolWindows();
    addSpecies(1, "КРС");
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    for (int id : {1, 2, 3})
        addPassport(1, 1, id, "A-" + std::to_string(id), [] {
            PAS->VIDANIM = 1;
            PAS->OSNMOL = 2;
            PAS->CHEK = 1;
            PAS->DATAROG = makeDate(3, 15, 2020);
        });
    addScheme(false, Decimal(15), 1, "Вакцинация");
    addScheme(true, Decimal(21), 1, "Исследование");
    addScheme(false, Decimal(16), 1, "Обработка");
    addScheme(true, Decimal(22), 1, "Аллергия");
    // A card of species 1 with one line of each kind.
    for (const auto& [kind, measure] : {std::pair{planning::MeasureKind::Preventive, Decimal(16)},
                                        std::pair{planning::MeasureKind::Diagnostic, Decimal(22)}}) {
        const planning::CardBook& c = planning::measureKind(kind).cards;
        onThread([&] {
            vx::testing::append(c.cardAccess, FileRefBase{c.cardAccess.id}, [&] {
                c.card().IDKARTIP = 1;
                c.card().VIDANIM = 1;
            });
            vx::testing::append(c.lineAccess, FileRefBase{c.lineAccess.id}, [&] {
                c.line().IDKARTIP = 1;
                c.line().IDTASK = measure;
                c.line().VIDANIM = 1;
            });
        });
    }
    PLAY(h->start("Browsehoz"));
    PLAY(h->click("?LIST:2", 2));
    std::map<std::string, std::size_t> planned;
    for (const PlanCase& c : kPlans) {
        SCOPED_TRACE(c.planWindow);
        PLAY(h->press(c.button));
        PLAY(h->window(c.planWindow));
        if (c.planButton == std::string("?BUTTON4")) PLAY(h->select("?BROWSE:1", 1));
        PLAY(h->press(c.planButton));
        PLAY(h->expectMessage(c.caption, c.done));
        PLAY(h->window("Browsehoz"));
        EXPECT_EQ(rows(c.measureList).size(), ++planned[c.measureList]);
        EXPECT_EQ(list("?LIST:2").current(), 1);
        PLAY(h->expectValue("?IDANIM", "A-2"));
        EXPECT_EQ(clip(glo::IDANIM.str()), "A-2");
    }
}

// Forty animals, the page of 16 scrolled: a mark by a right click and an import
// show at once, the page's top row and the highlighted animal where they were.
TEST_F(RegisterTest, AMarkAndAnImportShowAtOnceKeepingThePageAndTheHighlightedAnimal) {
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    for (int id = 1; id <= 40; ++id) addPassport(1, 1, id, "A-" + std::to_string(id));
    const auto page = [&] {
        const int at = list("?LIST:2").current() + 1;
        return h->row("?LIST:2", 1).value_or(Lines{""})[0] + " / " + std::to_string(at) + ": " +
               h->row("?LIST:2", at).value_or(Lines{""})[0];
    };
    PLAY(h->start("Browsehoz"));
    PLAY(h->key("?LIST:2", "PageDown Down Down Down"));
    ASSERT_EQ(page(), "A-17 / 4: A-20");

    PLAY(h->click("?LIST:2", 8, "", "right"));
    EXPECT_EQ(page(), "A-17 / 8: A-24");
    EXPECT_EQ(marks()[23], '1');
    EXPECT_EQ(h->cellLook("?LIST:2", 8, 1)->icon, 1);

    // The import window's write, on a thread of its own.
    onThread([] {
        std::vector<PASPORTRecord> added(2);
        for (PASPORTRecord& p : added) {
            p.IDHOZ = 1;
            p.IDFERMA = 1;
        }
        added[0].IDANIM = "N-1";
        added[1].IDANIM = "N-2";
        EXPECT_TRUE(exchange::addPassports(added));
    });
    PLAY(h->wait(0));
    EXPECT_EQ(page(), "A-17 / 8: A-24");
    EXPECT_EQ(clip(glo::IDANIM.str()), "A-24");
    PLAY(h->key("?LIST:2", "End"));
    const Lines shown = rows("?LIST:2");
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2].substr(0, 3), "N-1");
    EXPECT_EQ(shown.back().substr(0, 3), "N-2");
}

TEST_F(RegisterTest, WithoutItsDatabaseTheRegisterSaysSoOnceAndCloses) {
    const std::string missing = dir.string() + "/nowhere";
    struct Case {
        std::string folder;  // "": no database chosen
        std::string message;
    };
    const Case cases[] = {
        {"", "База данных не выбрана: Сначала подключите базу данных (меню «Файл» - «Подключить БД...»)."},
        {missing + "/", "Ошибка создания файла: Error: (no folder " + missing + ") creating hoz."},
    };
    std::size_t shown = 0;
    for (const Case& c : cases) {
        if (c.folder.empty()) forgetDatabase();
        else database::chooseDatabaseFolder(c.folder);
        PLAY(h->start("Browsehoz"));
        const Lines all = messages();
        EXPECT_EQ(Lines(all.begin() + static_cast<long>(shown), all.end()), Lines{c.message});
        shown = all.size();
        EXPECT_TRUE(h->windowsOf("Browsehoz").empty()) << c.message;
    }
}

TEST_F(RegisterTest, TheDiagnosticCardButtonClearsActStatementAndExpertiseOnFocus) {
    PLAY(h->start("Browsehoz"));
    setActContext();
    PLAY(h->focus("?BUTTON22"));
    expectNoActContext();
}

// The measure lists insert, change and delete through the measure record forms
// (dispatch 4 and 5) and show the change at once.
TEST_F(RegisterTest, TheMeasureListsEditThroughTheMeasureForms) {
    fixToday(makeDate(6, 10, 2025));
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addSpecies(1, "КРС");
    addPassport(1, 1, 1, "A-1", [] {
        PAS->VIDANIM = 1;
        PAS->OSNMOL = 2;
        PAS->DATAROG = makeDate(3, 15, 2020);
    });
    addScheme(false, Decimal(5), 1, "Вакцинация");
    addScheme(true, Decimal(6), 1, "Исследование");
    PLAY(h->start("Browsehoz"));
    PLAY(h->click("?LIST:2", 1));
    const struct {
        const char* list;
        const char* suffix;
        const char* form;
        const char* entry;
        const char* planned;
    } lists[] = {{"?LIST:3", ":4", "Updatevpo", "?VPO:DATATASK", "15.03.2025|Вакцинация"},
                 {"?LIST:4", ":5", "Updatevdi", "?VDI:DATATASK", "15.03.2025|Исследование"}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.form);
        PLAY(h->press(std::string("?INSERT") + l.suffix));
        PLAY(h->expectWindow(l.form));
        PLAY(h->press("?OK"));
        // The birthday in this year: the schemes have no day count.
        PLAY(h->expectRow(l.list, 1, l.planned));
        PLAY(h->press(std::string("?CHANGE") + l.suffix));
        PLAY(h->type(l.entry, "01.07.2025"));
        PLAY(h->press("?OK"));
        PLAY(h->expectRow(l.list, 1, "01.07.2025"));
        PLAY(h->answer("Yes"));
        PLAY(h->press(std::string("?DELETE") + l.suffix));
        PLAY(h->expectMessage("Confirm Delete", "Удалить запись?"));
        PLAY(h->expectRows(l.list, 0));
    }
}

// Dispatch 6, 7 and 8: the animal list and the two cards of the highlighted animal, on the register's thread.
TEST_F(RegisterTest, PrintButtonsShowTheirReportsOfTheHighlightedAnimal) {
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1");
    addPassport(1, 1, 2, "A-2");
    addPreventive(1, 1, 2, [] {
        VPO->IDANIM = "A-2";
        VPO->DATATASK = 80000;
    });
    PLAY(h->start("Browsehoz"));
    PLAY(h->select("?LIST:2", 2));
    const struct {
        const char* button;
        const char* report;
        const char* printed;
    } cases[] = {{"?PRINT", "PrintQBE", "A-1"}, {"?PRINT:2", "vpoPasport", "A-2"}};
    for (const auto& c : cases) {
        PLAY(h->press(c.button));
        PLAY(h->wait(1));
        PLAY(h->expectReport(c.report));
        EXPECT_NE(h->dumpReport().find(c.printed), std::string::npos) << c.button;
        PLAY(h->close());
        EXPECT_EQ(h->current()->procedure(), "Browsehoz") << c.button;
    }
    PLAY(h->press("?PRINT:3"));  // no diagnostic record
    PLAY(h->wait(1));
    PLAY(h->expectMessage("No Records", "There are no records available to process."));
    EXPECT_EQ(h->current()->procedure(), "Browsehoz");
}

TEST_F(RegisterTest, RefreshFitsTheAnimalColumnsFocusesTheAnimalsAndReadsAllListsAgain) {
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1", [] { PAS->FIO = "Константинопольский Александр"; });
    PLAY(h->start("Browsehoz"));
    addPassport(1, 1, 2, "A-2");
    addHolding(2, "Второе");
    EXPECT_EQ(rows("?LIST:2").size(), 1u) << "no reload before the button";
    PLAY(h->press("?BUTTON33"));
    EXPECT_EQ(rows("?LIST:2").size(), 2u);
    EXPECT_EQ(rows("?BROWSE:1").size(), 2u);
    EXPECT_EQ(h->current()->focused(), h->find("?LIST:2")->id());
    EXPECT_EQ(list("?LIST:2").columns()[2].width, 29) << "the owner's column fits its widest name";
}

TEST_F(RegisterTest, ClosingGoesBackToTheStartFolder) {
    glo::PUTK = dir.string();
    PLAY(h->start("Browsehoz"));
    rt::setCurrentFolder(std::filesystem::temp_directory_path().string());
    PLAY(h->close());
    PLAY(h->expectClosed("Browsehoz"));
    EXPECT_EQ(std::filesystem::current_path(), dir);
}

TEST_F(RegisterTest, ANewSearchModeEmptiesTheSearchValueAndTheMarkingComboShowsItsFocus) {
    PLAY(h->start("Browsehoz"));
    PLAY(h->type("?GLO:FILTER", "Иванов"));
    EXPECT_EQ(clip(glo::GLO_FILTER), "Иванов");
    PLAY(h->choose("?SP_FIELD", "По фамилии"));
    EXPECT_TRUE(glo::GLO_FILTER.empty());
    PLAY(h->expectValue("?GLO:FILTER", ""));

    EXPECT_EQ(h->find("?VUDELIT")->icon(), "OK_help.ICO");
    PLAY(h->focus("?VUDELIT"));
    EXPECT_EQ(h->find("?VUDELIT")->icon(), "krug_ch.gif");
}

TEST_F(RegisterTest, TwoRegistersKeepTheirOwnMarkingChoice) {
    PLAY(h->start("Browsehoz"));
    PLAY(h->start("Browsehoz"));
    ASSERT_EQ(h->windowsOf("Browsehoz").size(), 2u);
    EXPECT_NE(h->windowsOf("Browsehoz")[0]->thread(), h->windowsOf("Browsehoz")[1]->thread());
    PLAY(h->window("Browsehoz", 1));
    PLAY(h->choose("?VUDELIT", "Alt+1 - установить/снят выделение [Молодняк]"));
    PLAY(h->expectValue("?VUDELIT", "Alt+1 - установить/снят выделение [Молодняк]"));
    PLAY(h->window("Browsehoz", 2));
    PLAY(h->expectValue("?VUDELIT", "Не выделять животных"));
}

class RegisterQueryTest : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        addHolding(1, "Первое");
        addFarm(1, 1, "Луговая");
        addPassport(1, 1, 1, "A-1", [] {
            PAS->FIO = "Иванов";
            PAS->VOZRASTG = 3;
        });
        addPassport(1, 1, 2, "A-2", [] {
            PAS->FIO = "Петров";
            PAS->VOZRASTG = 1;
        });
        addPassport(1, 1, 3, "A-3", [] {
            PAS->FIO = "Иванова";
            PAS->VOZRASTG = 12;
        });
        PLAY(h->start("Browsehoz"));
    }
};

TEST_F(RegisterQueryTest, OffersTheTwentyFourItemsAndFiltersTheAnimalList) {
    PLAY(h->press("?QUERY"));
    PLAY(h->expectWindow("QueryForm"));
    EXPECT_NE(h->find("?VALUE:24"), nullptr);
    EXPECT_EQ(h->find("?VALUE:25"), nullptr);
    PLAY(h->type("?VALUE:3", "иванов"));
    PLAY(h->choose("?OP:3", "начинается с"));
    PLAY(h->type("?VALUE:14", "2"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("QueryForm"));
    EXPECT_EQ(rows("?LIST:2").size(), 2u);
    PLAY(h->expectRow("?LIST:2", 1, "A-1"));
    PLAY(h->expectRow("?LIST:2", 2, "A-3"));
}

TEST_F(RegisterQueryTest, KeepsNamedQueriesInTheIniFileUnderTheRegistersName) {
    PLAY(h->press("?QUERY"));
    PLAY(h->type("?VALUE:15", "2"));
    PLAY(h->type("?QUERYNAME", "Молодые"));
    PLAY(h->press("?SAVE"));
    PLAY(h->press("?CANCEL"));
    EXPECT_EQ(rows("?LIST:2").size(), 3u);

    PLAY(h->press("?QUERY"));
    PLAY(h->press("?CLEAR"));
    PLAY(h->choose("?QUERYNAME", "Молодые"));
    PLAY(h->press("?LOAD"));
    PLAY(h->expectValue("?VALUE:15", "2"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(rows("?LIST:2").size(), 1u);
    PLAY(h->expectRow("?LIST:2", 1, "A-2||Петров||1"));
    PLAY(h->expectIni("Query:Browsehoz:Молодые", "Item15", "<=|2"));
}

}  // namespace
}  // namespace vx::registry::testing
