// The journals' operations headless: the operations list, the marking keys and
// clicks on the journal and passport lists, delete with its question, taking
// the execution off, the document keys and a cancelled analysis.

#include <gtest/gtest.h>

#include <filesystem>

#include "context/globals.h"
#include "dictionary/names.h"
#include "execution/group/group_tools.h"
#include "execution/journals/journals.h"
#include "execution/journals/tests/journal_neighbours.h"
#include "execution/operations/tests/measure_records.h"
#include "platform/core/dates.h"
#include "platform/runtime/folders.h"
#include "platform/ui/list_control.h"
#include "tests/other_station.h"
#include "windows/window_table.h"

namespace vx::execution::testing {
namespace {

using namespace dct;

const int32_t kAct = makeDate(5, 10, 2026);

class JournalOperationsTest : public MeasureRecordsTest {
protected:
    void SetUp() override {
        MeasureRecordsTest::SetUp();
        h->addProcedure("BrowseVPO", [this] { BrowseVPO(windows); });
        h->addProcedure("BrowseVDI", [this] { BrowseVDI(windows); });
        addHolding(1, "Первое");
        addFarm(1, 2, "Луговая");
        addFarm(1, 3, "Заречная");
        addSpecies(1, "КРС");
    }
    const char* procedure() const { return preventive() ? "BrowseVPO" : "BrowseVDI"; }
    const char* journal() const { return preventive() ? "?LIST:3" : "?LIST:4"; }
    // Farm 2 (the first) of holding 1 in view.
    void open() {
        PLAY(h->start(procedure()));
        PLAY(h->expectWindow(procedure()));
        PLAY(h->select("?BROWSE:1", 1));
        PLAY(h->select("?LIST", 1));
    }
    void choose(const std::string& entry) { PLAY(h->choose("?VUDELIT", entry)); }
    static std::function<void(const MeasureFields&)> marked(Byte mark, int headsDone = 0, int treatmentsDone = 0) {
        return [=](const MeasureFields& r) {
            r.mark = mark;
            r.headsDone = headsDone;
            r.treatmentsDone = treatmentsDone;
        };
    }
    static std::function<void(const MeasureFields&)> planned(int32_t day) {
        return [=](const MeasureFields& r) { r.planned = day; };
    }

    windows::WindowTable windows = journalNeighbours();
};

TEST_P(JournalOperationsTest, TheOperationsListHoldsItsEntriesInOrder) {
    open();
    const std::string statement = preventive() ? "№ описи" : "№ ведомости";
    const std::string statementFile = preventive() ? "Описи" : "Ведомости";
    Lines expected{"Не выделять мероприятия",
                   "Ctrl или Пкм- установить/снять выделение строки",
                   "Alt + Лкм - установить/снять выделение по Id мероприятия [все]",
                   "Shift + Лкм - установить/снять выделение по Id мероприятия [невыполнено]",
                   "Shift + Пкм - установить/снять выделение по Id мероприятия [выполнено]",
                   "Alt + V - установить/снять выделение по " + statement,
                   "Alt + B - установить/снять выделение по № акта"};
    if (!preventive()) expected.push_back("Alt + N - установить/снять выделение по № экспертизы");
    expected.push_back("Alt + Z - снять все выделения");
    if (!preventive()) expected.push_back("F8 - открыть файл Экспертизы...");
    for (const char* entry : {"F9 - открыть файл ", "F10 - открыть файл Акта..."})
        expected.push_back(entry + (entry[1] == '9' ? statementFile + "..." : ""));
    for (const char* entry : {"Alt + X - анализ выполнения по поселению (хозяйству)",
                              "Alt + Y - анализ выполнения по населенному пункту (ферме)",
                              "Alt + D - удалить выделенные мероприятия", "Снять выполнение с выделенных мероприятий"})
        expected.push_back(entry);
    EXPECT_EQ(rows("?VUDELIT"), expected);
}

TEST_P(JournalOperationsTest, CtrlAndRightClickToggleBothPlannedDatesOfTheAnimalsMeasure) {
    add(1, 2, 101, 50, planned(makeDate(3, 1, 2026)));
    add(1, 2, 101, 50, planned(makeDate(9, 1, 2026)));
    add(1, 2, 102, 50);
    open();
    PLAY(h->select(journal(), 1));
    PLAY(h->key(journal(), "Ctrl"));
    EXPECT_EQ(recordMarks(), "110");
    PLAY(h->click(journal(), 2, "", "right"));
    EXPECT_EQ(recordMarks(), "000");
    // The entry acts on the row last copied, as the key does.
    choose("Ctrl или Пкм- установить/снять выделение строки");
    EXPECT_EQ(recordMarks(), "110");
    PLAY(h->expectValue("?VUDELIT", "Ctrl или Пкм- установить/снять выделение строки"));
}

TEST_P(JournalOperationsTest, AltClickSwapsEveryMarkOfTheMeasureAndShiftClicksTakeTheirGroupOnly) {
    for (int animal = 101; animal <= 105; ++animal) add(1, 2, animal, 50, marked(animal <= 102 ? 1 : 0));
    add(1, 2, 106, 50, marked(0, 1, 1));  // done
    add(1, 2, 107, 50, marked(0, 1, 0));  // half done
    add(1, 3, 101, 50);                   // another farm
    open();
    PLAY(h->click(journal(), 1, "Alt"));
    EXPECT_EQ(recordMarks(), "00111110");
    PLAY(h->click(journal(), 1, "Shift"));
    EXPECT_EQ(recordMarks(), "11000110");
    PLAY(h->click(journal(), 1, "Shift", "right"));
    EXPECT_EQ(recordMarks(), "11000010");
}

TEST_P(JournalOperationsTest, AltBOnARowWithoutAnActNumberTakesTheDatedActsOfThePreventiveFarmOnly) {
    add(1, 2, 101, 50);
    add(1, 2, 102, 60, [](const MeasureFields& r) { r.actDate = kAct; });
    add(1, 2, 103, 70, [](const MeasureFields& r) {
        r.actNumber = "7";
        r.actDate = kAct;
    });
    open();
    PLAY(h->select(journal(), 1));
    PLAY(h->key(journal(), "Alt+B"));
    EXPECT_EQ(recordMarks(), preventive() ? "010" : "000");
}

TEST_P(JournalOperationsTest, DeleteAsksWithTheCountOfTheWholeFileAndNoKeepsEverything) {
    add(1, 2, 101, 50, marked(1));
    add(1, 2, 102, 50);
    add(1, 3, 101, 50, marked(1));
    open();
    PLAY(h->answer("No"));
    PLAY(h->key(journal(), "Alt+D"));
    EXPECT_EQ(messages(), (Lines{"Удаление выделенного мероприятия: Удалить выделенные мероприятия во всех хозяйствах "
                                 "и фермах: 2?"}));
    EXPECT_EQ(recordMarks(), "101");
    PLAY(h->answer("Yes"));
    PLAY(h->key(journal(), "Alt+D"));
    EXPECT_EQ(recordMarks(), "0");
    EXPECT_EQ(messages().size(), 2u) << "the key shows no completion message";
    EXPECT_EQ(rows(journal()).size(), 1u) << "the list shows the stored rows at once";
}

// Forty records of the farm in view, one per animal; 2, 18 and 19 marked. The
// page holds 16 rows; each write keeps the page's top row and the highlighted
// record (or the one after it, when it is gone) where they were.
TEST_P(JournalOperationsTest, EveryWriteShowsAtOnceKeepingThePageAndTheHighlightedRecord) {
    for (int animal = 1; animal <= 40; ++animal)
        add(1, 2, animal, 50, marked(animal == 2 || animal == 18 || animal == 19 ? 1 : 0));
    addScheme(!preventive(), Decimal::fromMantissa(50, 1), 1, "Сибирская язва");
    h->addProcedure("Vp_VPO", Vp_VPO);
    h->addProcedure("Vp_VDI", Vp_VDI);
    constexpr int kAnimalColumn = 4, kActColumn = 8;  // "Уникум" and the act number
    const auto cell = [&](int row, int column) { return h->row(journal(), row).value_or(Lines{})[column]; };
    // "top animal / highlighted row: its animal"
    const auto page = [&] {
        const int at = dynamic_cast<ui::ListControl*>(h->find(journal()))->model().current() + 1;
        return cell(1, kAnimalColumn) + " / " + std::to_string(at) + ": " + cell(at, kAnimalColumn);
    };
    open();
    PLAY(h->key(journal(), "PageDown Down Down Down Down Down"));
    ASSERT_EQ(page(), "17 / 6: 22");

    // A mark by a right click: the clicked row stays where it was clicked.
    PLAY(h->click(journal(), 10, "", "right"));
    EXPECT_EQ(page(), "17 / 10: 26");
    EXPECT_EQ(recordMarks().substr(24, 3), "010");

    // Group execution in its own window: the journal shows the marked records done.
    PLAY(h->start(preventive() ? "Vp_VPO" : "Vp_VDI"));
    PLAY(h->type("?NAKT", "7"));
    PLAY(h->type("?DAKT", "10.05.2026"));
    PLAY(h->press(preventive() ? "?BUTTON4" : "?BUTTON5"));
    PLAY(h->window(procedure()));
    EXPECT_EQ(page(), "17 / 10: 26");
    Lines acts;
    for (int row : {1, 2, 3, 10}) acts.push_back(cell(row, kActColumn));
    EXPECT_EQ(acts, (Lines{"", "7", "7", "7"}));

    // Alt+D and "Да": the deleted records leave the list at once.
    PLAY(h->answer("Yes"));
    PLAY(h->key(journal(), "Alt+D"));
    EXPECT_EQ(page(), "17 / 8: 27");
    Lines shown;
    for (int row = 1; row <= 8; ++row) shown.push_back(cell(row, kAnimalColumn));
    EXPECT_EQ(shown, (Lines{"17", "20", "21", "22", "23", "24", "25", "27"}));
    EXPECT_EQ(rows(journal()).size(), 16u);
}

TEST_P(JournalOperationsTest, DeleteFromTheListEndsWithItsMessageAndWithoutMarksAsksNothing) {
    add(1, 2, 101, 50);
    open();
    choose("Alt + D - удалить выделенные мероприятия");
    EXPECT_EQ(messages(), (Lines{"Удаление выделенного мероприятия: Удаление мероприятие завершено! Обновите экран."}));
    EXPECT_EQ(recordMarks(), "0");
}

TEST_P(JournalOperationsTest, TakingTheExecutionOffRevertsTheFarmsMarkedDoneRecords) {
    const auto done = [](Byte mark) {
        return [=](const MeasureFields& r) {
            r.mark = mark;
            r.headsDone = 1;
            r.treatmentsDone = 1;
            r.statementNumber = "3";
            r.actNumber = "7";
            r.actDate = kAct;
            if (r.expertiseNumber) *r.expertiseNumber = "Э-3";
        };
    };
    add(1, 2, 101, 50, done(1));
    add(1, 2, 102, 60, done(0));
    add(1, 3, 101, 50, done(1));
    open();
    choose("Снять выполнение с выделенных мероприятий");
    EXPECT_EQ(messages(), (Lines{"Операция: Выполнение с мероприятий снято!"}));
    const Lines shown = read([](const MeasureFields& r) {
        return std::to_string(r.mark) + " " + r.headsDone.value().plain() + r.treatmentsDone.value().plain() + " " +
               r.statementNumber.str() + " " + r.actNumber.str() + " " +
               (r.expertiseNumber ? r.expertiseNumber->str() : "-");
    });
    const std::string expertise = preventive() ? "-" : "Э-3";
    EXPECT_EQ(shown, (Lines{"1 00 3  " + std::string(preventive() ? "-" : ""), "0 11 3 7 " + expertise,
                            "1 11 3 7 " + expertise}));
}

TEST_P(JournalOperationsTest, UnderAnotherStationsLockDeleteAndTakingOffChangeNothingAndSayWhyInsteadOfTheirEnd) {
    add(1, 2, 101, 50, marked(1, 1, 1));
    open();
    const vx::testing::HeldWriteLocks other({glo::PUT6.str(), glo::PUT7.str()});
    PLAY(h->answer("Yes"));
    choose("Alt + D - удалить выделенные мероприятия");
    choose("Снять выполнение с выделенных мероприятий");
    const std::string busy = "База данных занята другой станцией. Повторите позже.";
    EXPECT_EQ(messages(),
              (Lines{"Удаление выделенного мероприятия: Удалить выделенные мероприятия во всех хозяйствах и фермах: 1?",
                     "Удаление выделенного мероприятия: " + busy, "Операция: " + busy}));
    EXPECT_EQ(read([](const MeasureFields& r) {
                  return std::to_string(r.mark) + r.headsDone.value().plain() + r.treatmentsDone.value().plain();
              }),
              Lines{"111"});
}

TEST_P(JournalOperationsTest, CtrlOnThePassportListTogglesEveryPassportOfTheFarmWithThatNumber) {
    addPassport(1, 2, 101, "RU-7");
    addPassport(1, 2, 102, "RU-7");
    addPassport(1, 3, 103, "RU-7");
    add(1, 2, 101, 50);
    open();
    PLAY(h->select(journal(), 1));
    PLAY(h->select("?LIST:2", 1));
    PLAY(h->key("?LIST:2", "Ctrl"));
    EXPECT_EQ(marks(), "110");
    PLAY(h->click("?LIST:2", 1, "", "right"));
    EXPECT_EQ(marks(), "000");
}

TEST_P(JournalOperationsTest, ADocumentKeyOnARowWithoutItsFileSaysSoAndTheKeyReturnsToTheStartFolder) {
    add(1, 2, 101, 50);
    open();
    const std::filesystem::path elsewhere = dir / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    glo::PUTK = dir.string();
    rt::setCurrentFolder(elsewhere.string());
    PLAY(h->select(journal(), 1));
    PLAY(h->key(journal(), "F9"));
    PLAY(h->key("?FLT", "F10"));
    if (!preventive()) PLAY(h->key(journal(), "F8"));
    const std::string none = "Результат обработки!: Запись не содержит прикрепленного документа.";
    EXPECT_EQ(messages(), preventive() ? (Lines{none, none}) : (Lines{none, none, none}));
    EXPECT_EQ(std::filesystem::path(rt::currentFolder()), dir);
}

TEST_P(JournalOperationsTest, TheActKeyHandsTheRowsActFileToTheDocumentOpener) {
    const std::string missing = (dir / "акт.DOC").string();
    add(1, 2, 101, 50, [&](const MeasureFields& r) { r.actDoc = missing; });
    open();
    PLAY(h->select(journal(), 1));
    PLAY(h->key(journal(), "F10"));
    EXPECT_EQ(messages(), (Lines{"Ошибка автоматизации: Файл: " + missing + "\nПричина: файл не найден\nКоманда: Navigate(" +
                                 missing + ")"}));
}

TEST_P(JournalOperationsTest, ACancelledAnalysisTemplateClosesTheJournalWithoutAMessage) {
    const std::string kind = preventive() ? "профилактических" : "диагностических";
    const std::string dialog = "Выбрать файл [Шаблон Анализа " + kind + " мероприятий.xls]: ";
    for (const char* start : {"Alt+X", "Alt+Y", "Alt + X - анализ выполнения по поселению (хозяйству)",
                              "Alt + Y - анализ выполнения по населенному пункту (ферме)"}) {
        SCOPED_TRACE(start);
        const std::size_t before = messages().size();
        open();
        PLAY(h->file(""));
        if (start[3] == '+') PLAY(h->key(journal(), start));
        else choose(start);
        PLAY(h->expectClosed(procedure()));
        const Lines shown = messages();
        EXPECT_EQ(Lines(shown.begin() + static_cast<std::ptrdiff_t>(before), shown.end()), Lines{dialog})
            << "the dialog only";
    }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, JournalOperationsTest,
                         ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

}  // namespace
}  // namespace vx::execution::testing
