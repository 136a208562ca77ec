// The calculator window: its count lists' looks and tips, the context it leaves
// in the globals, the document buttons, the query form, the board and the
// analyses' cancelled dialog.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "calculator/tests/calculator_fixture.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "office/tests/office_play.h"
#include "platform/core/dates.h"

namespace vx::calculator::testing {
namespace {

namespace fs = std::filesystem;

const int32_t kMarch = makeDate(3, 1, 2025), kApril = makeDate(4, 10, 2025), kBefore = makeDate(12, 1, 2024);

using CalculatorWindowTest = CalculatorTest;

TEST_F(CalculatorWindowTest, APlanShowsItsStyleAndIconsAndTheMarkItsCheck) {
    for (MeasureKind kind : {MeasureKind::Diagnostic, MeasureKind::Preventive}) {
        const char* measure = kind == MeasureKind::Diagnostic ? "12.0" : "5.0";
        addCount(kind, Count{1, 1, 1, measure, true, false, kMarch, 0, 50, 0});
        addCount(kind, Count{1, 1, 1, measure, false, true, 0, kApril, 0, 40});
        changeCount(kind, 2, [](dct::CountRecord& r) { r.CHEK = 1; });
    }
    PLAY(h->start("BRWvdi"));
    struct Case {
        const char* list;
        int row, column, style, icon;
    } cases[] = {  // columns from 1, as displayed
        {"?LIST:2", 1, 1, 1, 0},  {"?LIST:2", 1, 2, 1, 1}, {"?LIST:2", 1, 5, 1, 0}, {"?LIST:2", 1, 6, 0, 0},
        {"?LIST:2", 1, 14, 0, 2}, {"?LIST:2", 2, 1, 0, 2}, {"?LIST:2", 2, 2, 0, 0}, {"?LIST:2", 2, 14, 0, 0},
        {"?LIST:3", 1, 2, 1, 1},  {"?LIST:3", 1, 11, 0, 0}, {"?LIST:3", 2, 1, 0, 2},
    };
    for (const Case& c : cases) {
        const auto look = h->cellLook(c.list, c.row, c.column);
        ASSERT_TRUE(look) << c.list << " " << c.row << " " << c.column;
        EXPECT_EQ(look->style, c.style) << c.list << " " << c.row << " " << c.column;
        EXPECT_EQ(look->icon, c.icon) << c.list << " " << c.row << " " << c.column;
    }
    PLAY(h->expectRow("?LIST:2", 1, "12.0|Туберкулинизация|КРС||01.03.2025|50||||||||1|"));
    PLAY(h->expectRow("?LIST:3", 2, "5.0|Сибирская язва|КРС||||10.04.2025|40|||0|1"));
}

TEST_F(CalculatorWindowTest, ARowsTipGivesItsMeasureCountsAndDocuments) {
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.1", true, false, kMarch, 0, 50, 0});
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.0", false, false, kMarch, 0, 50, 0});
    addCount(MeasureKind::Preventive, Count{1, 1, 1, "5.0", false, true, 0, kApril, 0, 40});
    changeCount(MeasureKind::Diagnostic, 1, [](dct::CountRecord& r) {
        r.PUTVPDOC = "/d/opis.doc";
        r.PUTAKTDOC = "/d/akt.doc";
        r.PUTEXPDOC = "/d/eksp.pdf";
    });
    changeCount(MeasureKind::Preventive, 1, [](dct::CountRecord& r) { r.PUTVPDOC = "/d/ved.xls"; });
    PLAY(h->start("BRWvdi"));
    const std::string divider(43, '-');
    PLAY(h->select("?LIST:2", 1));
    EXPECT_EQ(h->tooltip("?LIST:2"), "[Диагностическое мероприятие] \r\n12.1 Туберкулинизация, 1 этап            \r\n" +
                                         divider + "\r\nДата, план: 01.03.2025 Голов, план: 50\r\n" + divider +
                                         "\r\nФайл Экспертизы... /d/eksp.pdf\r\nФайл Описи... /d/opis.doc\r\nФайл "
                                         "Акта... /d/akt.doc");
    EXPECT_EQ(glo::IDTASK.value().fixed(1), "12.1");
    const std::string before = h->tooltip("?LIST:2");
    PLAY(h->select("?LIST:2", 2));  // neither a plan nor an execution
    EXPECT_EQ(h->tooltip("?LIST:2"), before);
    PLAY(h->select("?LIST:2", 1));
    PLAY(h->select("?LIST:3", 1));
    EXPECT_EQ(h->tooltip("?LIST:3"), "[Профилактическое мероприятие] \r\n5 Сибирская язва                      \r\n" +
                                         divider + "\r\nДата, вып.: 10.04.2025 Голов, вып.: 40\r\n" + divider +
                                         "\r\nФайл Ведомости... /d/ved.xls\r\nФайл Акта... ");
    EXPECT_EQ(glo::PUTVPDOC.str(), "/d/ved.xls");
    EXPECT_EQ(glo::PUTEXPDOC.str(), "/d/eksp.pdf") << "the expertise path is the last diagnostic row's";
    PLAY(h->select("?BROWSE:1", 1));
    EXPECT_EQ(h->tooltip("?LIST:2"), "");
}

TEST_F(CalculatorWindowTest, DocumentButtonsOpenThePathsOfTheLastCountRow) {
    const fs::path scan = dir / "акт скан.pdf";
    std::ofstream(scan) << "%PDF-1.4";
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.0", true, false, kMarch, 0, 50, 0});
    changeCount(MeasureKind::Diagnostic, 1, [&](dct::CountRecord& r) { r.PUTAKTDOC = scan.string(); });
    PLAY(h->start("BRWvdi"));
    PLAY(h->select("?LIST:2", 1));
    PLAY(h->press("?BUTTON19"));
    bool shown = false;
    for (const auto& f : fs::directory_iterator(office::testing::shownFolder()))
        shown = shown || office::testing::fileBytes(f.path()) == scan.string();
    EXPECT_TRUE(shown);
    PLAY(h->press("?BUTTON17"));
    PLAY(h->expectMessage("Результат обработки!", "Запись не содержит прикрепленного документа."));
}

TEST_F(CalculatorWindowTest, TheQueryFormFiltersACountList) {
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.0", true, false, kMarch, 0, 50, 0});
    addCount(MeasureKind::Diagnostic, Count{1, 1, 1, "12.1", true, false, kMarch, 0, 30, 0});
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?QUERY"));
    PLAY(h->expectWindow("QueryForm"));
    PLAY(h->type("?VALUE:3", "12.1"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("QueryForm"));
    EXPECT_EQ(rows("?LIST:2").size(), 1u);
    PLAY(h->expectRow("?LIST:2", 1, "12.1"));
}

TEST_F(CalculatorWindowTest, EachCountListKeepsItsNamedQueriesApart) {
    PLAY(h->start("BRWvdi"));
    PLAY(h->press("?QUERY"));
    PLAY(h->type("?VALUE:3", "12.1"));
    PLAY(h->type("?QUERYNAME", "Этап 1"));
    PLAY(h->press("?SAVE"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectIni("Query:BRWvdi:LIST:2:Этап 1", "Item3", "=|12.1"));
    PLAY(h->press("?QUERY:2"));
    PLAY(h->expectWindow("QueryForm"));
    EXPECT_EQ(rows("?QUERYNAME"), Lines{});
}

TEST_F(CalculatorWindowTest, TheToolButtonsSayWhatTheyDoInTheirTips) {
    PLAY(h->start("BRWvdi"));
    const struct {
        const char* control;
        const char* tip;
    } cases[] = {
        {"?BUTTON17", "Открыть файл Экспертизы..."},
        {"?BUTTON19", ""},
        {"?BUTTON16",
         "[Табло] Анализ выполнения выбранного диагностического\r\nмероприятия по ферме (населенному пункту) за "
         "период"},
        {"?BUTTON30", "Очистить табло"},
        {"?BUTTON29", "Анализ профилактических мероприятий\r\nпо ферме за период..."},
        {"?QUERY:2", "[Запрос по условию для просмотра\r\nнебходимых мероприятий]"},
        {"?CHANGE", "[Изменить]"},
        {"?CHANGE:4", "[Редактировать]"},
        {"?BUTTON10", "[По ширине содержимого]"},
    };
    for (const auto& c : cases) EXPECT_EQ(h->tooltip(c.control), c.tip) << c.control;
}

// Each tool of a group shows an icon of its own; the same tool of the other group shows the same.
TEST_F(CalculatorWindowTest, EachToolButtonShowsAnIconOfItsOwn) {
    PLAY(h->start("BRWvdi"));
    const auto icon = [&](const char* control) { return h->find(control)->icon(); };
    const std::vector<std::vector<const char*>> groups = {
        {"?BUTTON17", "?BUTTON18", "?BUTTON19", "?BUTTON15", "?BUTTON16", "?BUTTON22", "?BUTTON20", "?BUTTON21", "?QUERY"},
        {"?BUTTON26", "?BUTTON27", "?BUTTON24", "?BUTTON25", "?BUTTON30", "?BUTTON28", "?BUTTON29", "?QUERY:2"}};
    for (const auto& group : groups) {
        std::set<std::string> icons;
        for (const char* c : group) {
            EXPECT_FALSE(icon(c).empty()) << c;
            EXPECT_TRUE(icons.insert(icon(c)).second) << c << " shows " << icon(c) << " as another tool does";
        }
    }
    const std::pair<const char*, const char*> sameTool[] = {{"?BUTTON18", "?BUTTON26"}, {"?BUTTON19", "?BUTTON27"},
                                                            {"?BUTTON15", "?BUTTON24"}, {"?BUTTON16", "?BUTTON25"},
                                                            {"?BUTTON22", "?BUTTON30"}, {"?BUTTON20", "?BUTTON28"},
                                                            {"?BUTTON21", "?BUTTON29"}};
    for (const auto& [diagnostic, preventive] : sameTool) EXPECT_EQ(icon(diagnostic), icon(preventive)) << diagnostic;
}

// The holding and farm of the board and the analyses: a holding without farms has no farm.
TEST_F(CalculatorWindowTest, TheFarmListLeavesTheHoldingAndFarmAndTheOpeningThePeriod) {
    PLAY(h->start("BRWvdi"));
    EXPECT_EQ(glo::DATABEGIN.toDayNumber(), makeDate(1, 1, 2025));
    EXPECT_EQ(glo::DATAEND.toDayNumber(), makeDate(12, 31, 2025));
    PLAY(h->select("?LIST", 2));
    EXPECT_EQ(glo::IDHOZ.value().plain() + "/" + glo::IDFERM.value().plain(), "1/2");
    PLAY(h->select("?BROWSE:1", 2));
    EXPECT_EQ(glo::IDHOZ.value().plain() + "/" + glo::IDFERM.value().plain(), "2/0");
}

class CalculatorBoardTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        // Farm 1: 12.0 plan 100 and done 80, 12.1 plan 10, 12.2 done 30, 12.3 done 7, 12.0 done 99 before the
        // period; farm 2: 12.0 plan 20 and done 20.
        for (const Count& c : {Count{1, 1, 1, "12.0", true, false, kMarch, 0, 100, 0},
                               Count{1, 1, 1, "12.0", false, true, 0, kApril, 0, 80},
                               Count{1, 1, 1, "12.1", true, false, kMarch, 0, 10, 0},
                               Count{1, 1, 1, "12.2", false, true, 0, kApril, 0, 30},
                               Count{1, 1, 1, "12.3", false, true, 0, kApril, 0, 7},
                               Count{1, 1, 1, "12.0", false, true, 0, kBefore, 0, 99},
                               Count{1, 2, 1, "12.0", true, false, kMarch, 0, 20, 0},
                               Count{1, 2, 1, "12.0", false, true, 0, kApril, 0, 20}}) {
            addCount(MeasureKind::Diagnostic, c);
            addCount(MeasureKind::Preventive, c);
        }
        PLAY(h->start("BRWvdi"));
        PLAY(h->select("?LIST:2", 1));
    }
};

TEST_F(CalculatorBoardTest, TheBoardButtonsShowTheirLinesAndClearKeepsTheHeading) {
    const std::string period = "[01.01.2025--31.12.2025]\r\n";
    struct Case {
        const char* button;
        std::string text;
    } cases[] = {
        {"?BUTTON15", "[Диагностика] Туберкули... \r\n" + period +
                          "Заря\r\nГолов, план: 130\r\nГоловообработки, план: 130\r\nГолов, вып.: 100\r\n"
                          "Головообработок, вып.: 130\r\nГолов, вып. % 76.92\r\nГоловобр., вып. % 100"},
        {"?BUTTON16", "[Диагностика] Туберкули... \r\n" + period +
                          "Заря Центральная\r\nГолов, план: 110\r\nГоловообработки, план: 110\r\nГолов, вып.: 80\r\n"
                          "Головообработок, вып.: 110\r\nГолов, вып. % 72.73\r\nГоловобр., вып. % 100"},
        {"?BUTTON24", "[Профилактика]          ... \r\n" + period +
                          "Заря\r\nГолов, план: 130\r\nГоловообработки, план: 130\r\nГолов, вып.: 100\r\n"
                          "Головообработок, вып.: 130\r\nГолов, вып. % 76.92\r\nГоловобр., вып. % 100"},
    };
    for (const Case& c : cases) {
        PLAY(h->press(c.button));
        EXPECT_EQ(h->value("?TABLO"), c.text) << c.button;
        PLAY(h->focus("?LIST:2"));
    }
    PLAY(h->press("?BUTTON25"));
    EXPECT_EQ(h->find("?STRING3")->text(), "[Калькулятрор] [Профилактика]          ... [01.01.2025--31.12.2025]");
    PLAY(h->press("?BUTTON30"));
    PLAY(h->expectValue("?TABLO", ""));
    EXPECT_EQ(h->find("?STRING3")->text(), "[Калькулятрор] [Профилактика]          ... [01.01.2025--31.12.2025]");
}

TEST_F(CalculatorBoardTest, ACountRowEventEmptiesTheBoard) {
    PLAY(h->press("?BUTTON15"));
    EXPECT_NE(h->value("?TABLO"), "");
    PLAY(h->select("?LIST:2", 2));
    PLAY(h->expectValue("?TABLO", ""));
}

TEST_F(CalculatorBoardTest, ACancelledTemplateDialogClosesTheWindowWithoutAMessage) {
    PLAY(h->file(""));
    PLAY(h->press("?BUTTON20"));
    PLAY(h->expectClosed("BRWvdi"));
    PLAY(h->expectNoMessage());
}

}  // namespace
}  // namespace vx::calculator::testing
