// The journals headless: the rows a user sees and their looks, the not-done
// filter, the analysis period, the context each list event leaves, and the
// measure form called from the journal list.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "context/globals.h"
#include "database/database_choice.h"
#include "dictionary/names.h"
#include "execution/forms/measure_record.h"
#include "execution/journals/journals.h"
#include "execution/journals/tests/journal_neighbours.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"
#include "platform/runtime/folders.h"
#include "platform/ui/style.h"
#include "tests/records_fixture.h"
#include "windows/window_table.h"

namespace vx::execution::testing {
namespace {

using namespace dct;
using planning::MeasureKind;
using vx::testing::Lines;

const int32_t kToday = makeDate(6, 10, 2025);

struct Kind {
    MeasureKind kind;
    const char* procedure;
    const char* list;
    const char* filter;
    const char* overdue;
    const char* report;
};

const Kind kPreventive{MeasureKind::Preventive, "BrowseVPO", "?LIST:3", "(VPO:aktdata=0)", "#FF8080", "vpoPrint"};
const Kind kDiagnostic{MeasureKind::Diagnostic,
                       "BrowseVDI",
                       "?LIST:4",
                       "((VDI:aktdata=0) and (VDI:deksp=0))",
                       "#FF0000",
                       "vdiPrint"};

class JournalTest : public vx::testing::RecordsTest, public ::testing::WithParamInterface<Kind> {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        database::chooseDatabaseFolder(dir.string() + "/");
        fixToday(kToday);
        h->addProcedure("BrowseVPO", [this] { BrowseVPO(windows); });
        h->addProcedure("BrowseVDI", [this] { BrowseVDI(windows); });
        addHolding(1, "Первое");
        addHolding(2, "Без ферм");
        addFarm(1, 2, "Луговая");
        addSpecies(1, "КРС");
        addPassport(1, 2, 1, "RU-1", [] {
            PAS->VIDANIM = 1;
            PAS->OSNMOL = 2;
            PAS->DATAROG = makeDate(3, 15, 2020);
        });
    }
    const Kind& k() const { return GetParam(); }
    bool preventive() const { return k().kind == MeasureKind::Preventive; }
    // A record of animal 1 on farm 2, the measure `id`, filled through `fill`.
    void addRecord(int tenths, const std::function<void(const MeasureFields&)>& fill) {
        const auto all = [&](const MeasureFields& r) {
            r.number = "RU-1";
            r.species = 1;
            r.measure = Decimal::fromMantissa(tenths, 1);
            fill(r);
        };
        if (preventive()) addPreventive(1, 2, 1, [&] { all(measureFields(*VPO)); });
        else addDiagnostic(1, 2, 1, [&] { all(measureFields(*VDI)); });
    }
    void open() {
        PLAY(h->start(k().procedure));
        PLAY(h->expectWindow(k().procedure));
        PLAY(h->select("?BROWSE:1", 1));
    }
    // Row and column from 0.
    ui::CellLook look(int row, int column) { return h->cellLook(k().list, row, column + 1).value_or(ui::CellLook{}); }

    windows::WindowTable windows = journalNeighbours();
};

TEST_P(JournalTest, RowLooksWithTodayFixed) {
    addRecord(10, [](const MeasureFields& r) { r.planned = kToday - 1; });  // overdue, not done
    addRecord(20, [](const MeasureFields& r) { r.planned = kToday; });      // due today
    addRecord(30, [](const MeasureFields& r) {                              // done
        r.planned = kToday - 5;
        r.headsDone = 1;
        r.treatmentsDone = 1;
        r.actNumber = "12";
        r.actDate = kToday - 3;
    });
    addRecord(40, [](const MeasureFields& r) {  // one counter only
        r.planned = kToday + 5;
        r.headsDone = 1;
    });
    open();
    PLAY(h->expectRows(k().list, 4));
    const ui::Colour tint = ui::colourFromHex("#FFEFEE");
    const ui::Colour overdue = ui::colourFromHex(k().overdue);
    EXPECT_EQ(look(1, 2).colours.text, overdue);
    EXPECT_EQ(look(1, 2).colours.selectedText, overdue);
    EXPECT_EQ(look(1, 0).colours.background, tint);
    EXPECT_EQ(look(1, 3).colours.background, tint);
    EXPECT_EQ(look(2, 2).colours.text, ui::kNoColour);
    EXPECT_EQ(look(3, 0).style, 3);
    EXPECT_EQ(look(3, 3).style, 3);
    EXPECT_EQ(look(3, 2).icon, 1);
    EXPECT_EQ(look(3, 0).colours.background, ui::kNoColour);
    EXPECT_EQ(look(4, 0).style, 0);
    EXPECT_EQ(look(4, 0).colours.background, tint);
    // The unique number is styled where the act came on another day than planned.
    EXPECT_EQ(look(3, 4).style, preventive() ? 2 : 0);
}

TEST_P(JournalTest, ThePassportShowsTheMarkYoungStockAndARemovalAct) {
    addPassport(1, 2, 2, "RU-2", [] {
        PAS->CHEK = 1;
        PAS->OSNMOL = 1;
        PAS->AKTDATA = kToday;
    });
    addRecord(10, [](const MeasureFields&) {});
    if (preventive()) addPreventive(1, 2, 2, [] { VPO->IDTASK = 1; });
    else addDiagnostic(1, 2, 2, [] { VDI->IDTASK = 1; });
    open();
    const auto passport = [&](int column) { return h->cellLook("?LIST:2", 1, column + 1).value_or(ui::CellLook{}); };
    EXPECT_EQ(passport(1).icon, 0);
    EXPECT_EQ(passport(2).style, 0);
    PLAY(h->click(k().list, 2));
    PLAY(h->expectRow("?LIST:2", 1, "2|RU-2"));
    EXPECT_EQ(passport(1).icon, 1);
    EXPECT_EQ(passport(2).icon, 2);
    EXPECT_EQ(passport(2).style, 1);
}

TEST_P(JournalTest, TheNotDoneFilterShowsRecordsWithoutActOrExpertiseDate) {
    addRecord(10, [](const MeasureFields& r) { r.actNumber = "5"; });  // a number but no date: not done
    addRecord(20, [](const MeasureFields& r) { r.actDate = kToday; });
    addRecord(30, [](const MeasureFields& r) {
        if (r.expertiseDate) *r.expertiseDate = kToday;
    });
    open();
    PLAY(h->expectRows(k().list, 3));
    PLAY(h->press("?FLT"));
    EXPECT_EQ(clip(glo::GLO_FILTER), k().filter);
    PLAY(h->expectRows(k().list, preventive() ? 2 : 1));
    PLAY(h->expectRow(k().list, 1, "1.0"));
    PLAY(h->press("?FLT"));
    EXPECT_TRUE(glo::GLO_FILTER.empty());
    PLAY(h->expectRows(k().list, 3));
}

TEST_P(JournalTest, OpeningDefaultsAPeriodWithAnEmptyEnd) {
    glo::DATABEGIN = PackedDate::of(5, 2, 2024);
    glo::DATAEND = PackedDate{};
    open();
    EXPECT_EQ(glo::DATABEGIN, PackedDate::of(1, 1, 2025));
    EXPECT_EQ(glo::DATAEND, PackedDate::of(31, 12, 2025));
    PLAY(h->expectValue("?DATABEGIN", "01.01.2025"));
    PLAY(h->close());

    glo::DATABEGIN = PackedDate::of(5, 2, 2024);
    glo::DATAEND = PackedDate::of(7, 3, 2024);
    open();
    EXPECT_EQ(glo::DATABEGIN, PackedDate::of(5, 2, 2024));
    EXPECT_EQ(glo::DATAEND, PackedDate::of(7, 3, 2024));
}

TEST_P(JournalTest, AClickLeavesItsRowInTheContextAndTheTooltip) {
    addRecord(10, [](const MeasureFields& r) {
        r.statementNumber = "7";
        r.statementDoc = "/docs/first.odt";
    });
    addRecord(20, [](const MeasureFields& r) {
        r.statementNumber = "8";
        r.actNumber = "12";
        r.actDoc = "/docs/second-act.odt   ";
    });
    open();
    PLAY(h->click(k().list, 2));
    EXPECT_EQ((preventive() ? glo::IDBOL : glo::IDTASK).value(), Decimal(2));
    EXPECT_EQ(glo::IDHOZ.value(), Decimal(1));
    EXPECT_EQ(glo::IDFERM.value(), Decimal(2));
    EXPECT_EQ(glo::UNIK.value(), Decimal(1));
    EXPECT_EQ(clip(glo::NVEDJPIS.str()), "8");
    EXPECT_EQ(clip(glo::NAKT.str()), "12");
    EXPECT_TRUE(glo::PUTVPDOC.blank());
    const std::string tip = h->tooltip(k().list);
    EXPECT_NE(tip.find("F10 - открыть файл Акта... /docs/second-act.odt\r\n"), std::string::npos) << tip;
    // The passport of the row's animal, and the animal in the context.
    PLAY(h->expectRow("?LIST:2", 1, "1|RU-1|15.03.2020"));
    EXPECT_EQ(clip(glo::IDANIM.str()), "RU-1");
    EXPECT_EQ(glo::DATAROG, makeDate(3, 15, 2020));
}

TEST_P(JournalTest, AFarmWithoutRecordsShowsNoPassport) {
    addFarm(1, 3, "Пустая");
    addRecord(10, [](const MeasureFields&) {});
    open();
    PLAY(h->expectRows("?LIST:2", 1));
    PLAY(h->click("?LIST", 2));
    EXPECT_EQ(glo::IDFERM.value(), Decimal(3));
    PLAY(h->expectRows(k().list, 0));
    PLAY(h->expectRows("?LIST:2", 0));
    EXPECT_TRUE(glo::IDANIM.blank());
    EXPECT_EQ(glo::DATAROG, 0);
}

TEST_P(JournalTest, AHoldingWithoutFarmsLeavesNoFarmInTheContext) {
    open();
    PLAY(h->click("?BROWSE:1", 2));
    EXPECT_EQ(glo::IDHOZ.value(), Decimal(2));
    EXPECT_EQ(glo::IDFERM.value(), Decimal());
    EXPECT_TRUE(glo::FERNAME.blank());
}

TEST_P(JournalTest, ThePassportCardEndsAfterTheRemovalAct) {
    addRecord(10, [](const MeasureFields&) {});
    glo::CHEKTIP = 0;
    open();
    PLAY(h->click("?LIST:2", 1));
    EXPECT_EQ(h->tooltip("?LIST:2"), "Ctrl или Пкм - установить/ снять выделение животного");
    PLAY(h->close());
    glo::CHEKTIP = 1;
    open();
    PLAY(h->click("?LIST:2", 1));
    const std::string card = h->tooltip("?LIST:2");
    EXPECT_EQ(card.rfind("Оперативный паспорт животного\r\n", 0), 0u) << card;
    const std::string last = "[Дата акта выбытия]";
    const std::size_t at = card.rfind(last);
    ASSERT_NE(at, std::string::npos) << card;
    EXPECT_EQ(card.find_first_not_of(" \r\n", at + last.size()), std::string::npos) << card;
    EXPECT_EQ(card.substr(card.size() - 2), "\r\n") << card;
}

TEST_P(JournalTest, ANewRecordFromTheJournalIsPlannedForTheRowsAnimal) {
    addScheme(!preventive(), Decimal::fromMantissa(50, 1), 1, "Вакцинация");
    onThread([&] {
        const AccessRef file = preventive() ? Access::BOLEZN : Access::TASK;
        file->open();
        file->useFile();
        const FileRefBase buffer = preventive() ? FileRefBase(BOLEZN) : FileRefBase(TASK);
        Set(buffer);
        Next(buffer);
        if (preventive()) BOL->DNEY = 30, BOL->GLPLAN = 1, BOL->GOPLAN = 1;
        else TAS->DNEY = 30, TAS->GLPLAN = 1, TAS->GOPLAN = 1;
        Put(buffer);
        file->close();
    });
    addRecord(10, [](const MeasureFields& r) { r.actDate = kToday; });
    open();
    PLAY(h->click(k().list, 1));
    PLAY(h->press(preventive() ? "?INSERT:4" : "?INSERT:5"));
    PLAY(h->expectWindow(preventive() ? "Updatevpo" : "Updatevdi"));
    PLAY(h->press("?OK"));
    PLAY(h->expectWindow(k().procedure));
    PLAY(h->expectRows(k().list, 2));
    PLAY(h->expectRow(k().list, 2, "5.0|Вакцинация|14.04.2025|RU-1"));
}

TEST_P(JournalTest, TheTabsOrderTheHoldingsByIdOrName) {
    open();
    PLAY(h->expectRow("?BROWSE:1", 1, "1|Первое"));
    PLAY(h->tab("?CURRENTTAB", "Наименование"));
    PLAY(h->expectRow("?BROWSE:1", 1, "2|Без ферм"));
    PLAY(h->tab("?CURRENTTAB", "iD"));
    PLAY(h->expectRow("?BROWSE:1", 1, "1|Первое"));
}

// The preventive journal's Insert key on its journal list does what the insert button
// does; the diagnostic journal has no such keys.
TEST_P(JournalTest, TheInsertKeyOnTheJournalListOnlyInThePreventiveJournal) {
    addRecord(10, [](const MeasureFields&) {});
    open();
    PLAY(h->click(k().list, 1));
    PLAY(h->key(k().list, "Insert"));
    if (preventive()) {
        PLAY(h->expectWindow("Updatevpo"));
        PLAY(h->answer("Yes"));  // the drop lists' defaults count as an edit
        PLAY(h->press("?CANCEL"));
    }
    PLAY(h->expectClosed(preventive() ? "Updatevpo" : "Updatevdi"));
    PLAY(h->expectRows(k().list, 1));
}

TEST_P(JournalTest, RefreshShowsWhatAnotherWindowWrote) {
    addRecord(10, [](const MeasureFields&) {});
    open();
    addRecord(20, [](const MeasureFields&) {});
    PLAY(h->expectRows(k().list, 1));
    PLAY(h->press("?BUTTON14"));
    PLAY(h->expectRows(k().list, 2));
    EXPECT_EQ(h->current()->focused(), h->find(k().list)->id());
}

// A query on the measure id holds with the farm's range and the not-done filter;
// the preventive journal hands the query in force to the report when ?QUERY opens the form again.
TEST_P(JournalTest, AQueryHoldsWithTheRangeAndTheNotDoneFilter) {
    addRecord(10, [](const MeasureFields&) {});
    addRecord(10, [](const MeasureFields& r) { r.actDate = kToday; });
    addRecord(20, [](const MeasureFields&) {});
    open();
    PLAY(h->press("?QUERY"));
    PLAY(h->expectWindow("QueryForm"));
    EXPECT_NE(h->find(preventive() ? "?VALUE:12" : "?VALUE:15"), nullptr);
    EXPECT_EQ(h->find(preventive() ? "?VALUE:13" : "?VALUE:16"), nullptr);
    PLAY(h->type("?VALUE:6", "1.0"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("QueryForm"));
    PLAY(h->expectRows(k().list, 2));
    PLAY(h->press("?FLT"));
    PLAY(h->expectRows(k().list, 1));
    glo::GLO_REPORTQUERYRESULT = "";
    PLAY(h->press("?QUERY"));
    EXPECT_EQ(glo::GLO_REPORTQUERYRESULT.empty(), !preventive());
    PLAY(h->press("?CANCEL"));
}

// The print button shows the control list of the query in force, on the journal's thread.
TEST_P(JournalTest, ThePrintButtonShowsTheControlListOfTheQuery) {
    addPassport(1, 2, 2, "RU-2");
    addRecord(10, [](const MeasureFields&) {});
    if (preventive()) addPreventive(1, 2, 2, [] { VPO->IDANIM = "RU-2", VPO->IDTASK = 2; });
    else addDiagnostic(1, 2, 2, [] { VDI->IDANIM = "RU-2", VDI->IDTASK = 2; });
    open();
    PLAY(h->press("?QUERY"));
    PLAY(h->type("?VALUE:6", "1.0"));
    PLAY(h->press("?OK"));
    PLAY(h->expectRows(k().list, 1));
    PLAY(h->press("?PRINT:2"));
    PLAY(h->wait(1));
    PLAY(h->expectReport(k().report));
    const std::string printed = h->dumpReport();
    EXPECT_NE(printed.find("RU-1"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("RU-2"), std::string::npos) << printed;
    PLAY(h->close());
    PLAY(h->expectWindow(k().procedure));
}

// A query of five conditions makes a filter longer than 128 characters; the control list
// gets it whole and prints the records the journal shows.
TEST_P(JournalTest, TheControlListOfALongQueryPrintsTheRecordsTheJournalShows) {
    addPassport(1, 2, 2, "RU-2");
    addRecord(10, [](const MeasureFields&) {});
    addRecord(20, [](const MeasureFields&) {});  // another measure, the last condition's
    if (preventive()) addPreventive(1, 2, 2, [] { VPO->IDANIM = "RU-2", VPO->IDTASK = 1, VPO->VIDANIM = 1; });
    else addDiagnostic(1, 2, 2, [] { VDI->IDANIM = "RU-2", VDI->IDTASK = 1, VDI->VIDANIM = 2; });  // another species
    open();
    PLAY(h->press("?QUERY"));
    PLAY(h->type("?VALUE:1", "1"));
    PLAY(h->type("?VALUE:2", "2"));
    PLAY(h->type("?VALUE:3", "ru-"));
    PLAY(h->choose("?OP:3", "начинается с"));
    PLAY(h->type("?VALUE:4", "1"));
    PLAY(h->type("?VALUE:6", "1.0"));
    PLAY(h->press("?OK"));
    // The inventory numbers of the records, once per record, in order.
    const auto shown = [this] {
        Lines out;
        for (int n = 1; auto r = h->row(k().list, n); ++n) out.push_back((*r)[3]);
        std::sort(out.begin(), out.end());
        return out;
    };
    const Lines found = preventive() ? Lines{"RU-1", "RU-2"} : Lines{"RU-1"};
    ASSERT_EQ(shown(), found);
    if (preventive()) {  // its query button hands the query in force over too
        PLAY(h->press("?QUERY"));
        EXPECT_GT(charCount(glo::GLO_REPORTQUERYRESULT), 128u) << glo::GLO_REPORTQUERYRESULT;
        PLAY(h->press("?CANCEL"));
    }
    PLAY(h->press("?PRINT:2"));
    PLAY(h->wait(1));
    PLAY(h->expectReport(k().report));
    const std::string printed = h->dumpReport();
    // A record's line: its running number, then the animal's.
    Lines listed;
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        std::string count, number;
        if (in >> count >> number && number.starts_with("RU-")) listed.push_back(number);
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, found) << printed;
    PLAY(h->close());
    PLAY(h->expectNoMessage());
}

// The group-execution button starts the kind's tool by name on a thread of its own,
// with the record the user clicked in the context; a tool not built opens nothing.
TEST_P(JournalTest, TheGroupButtonStartsTheKindsToolWithTheClickedRecord) {
    addRecord(10, [](const MeasureFields&) {});
    addRecord(20, [](const MeasureFields&) {});
    open();
    PLAY(h->click(k().list, 1));
    PLAY(h->press("?BUTTON13"));
    PLAY(h->expectWindow(k().procedure));
    std::vector<std::string> started;
    for (const char* tool : {"Vp_VPO", "Vp_VDI"})
        windows.add({tool, [&started, tool] {
                         const Dec& measure = std::string(tool) == "Vp_VPO" ? glo::IDBOL : glo::IDTASK;
                         started.push_back(std::string(tool) + " " + measure.value().plain() + " " +
                                           glo::IDFERM.value().plain());
                     },
                     windows::Start::Thread, 25000, {}, {}});
    PLAY(h->click(k().list, 2));
    PLAY(h->press("?BUTTON13"));
    EXPECT_EQ(started, (Lines{std::string(preventive() ? "Vp_VPO" : "Vp_VDI") + " 2 2"}));
}

TEST_P(JournalTest, ClosingGoesBackToTheStartFolderAndTwoCopiesCanBeOpen) {
    glo::PUTK = dir.string();
    open();
    open();
    EXPECT_EQ(h->windowsOf(k().procedure).size(), 2u);
    rt::setCurrentFolder(std::filesystem::temp_directory_path().string());
    PLAY(h->close());
    EXPECT_EQ(std::filesystem::current_path(), dir);
    EXPECT_EQ(h->windowsOf(k().procedure).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(BothJournals, JournalTest, ::testing::Values(kPreventive, kDiagnostic),
                         [](const auto& info) { return std::string(info.param.procedure); });

}  // namespace
}  // namespace vx::execution::testing
