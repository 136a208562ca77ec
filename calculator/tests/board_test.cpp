// The calculator's board: which count records a board button sums, by stage,
// flag and period, its percentages, and its nine lines as the user reads them.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calculator/board.h"
#include "calculator/calculator_tools.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "execution/tests/analysis_fixture.h"
#include "platform/core/dates.h"

namespace vx::calculator {
namespace {

using execution::testing::Count;
using execution::testing::id;
using vx::testing::Lines;

const int32_t kMarch = makeDate(3, 1, 2025), kApril = makeDate(4, 1, 2025), kMay = makeDate(5, 10, 2025);
const int32_t kBefore = makeDate(12, 1, 2024);

Lines linesOf(const std::string& text) {
    Lines out;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(text.substr(from, at - from));
    out.push_back(text.substr(from));
    return out;
}

class BoardTest : public execution::testing::AnalysisTest {
protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        addHolding(1, "Колхоз Заря");
        addHolding(2, "Рассвет");
        addFarm(1, 1, "Центральная");
        addFarm(1, 2, "Лесная");
        addFarm(2, 2, "Чужая");
        addScheme(MeasureKind::Diagnostic, "12.0", 1, "Туберкулинизация");
        addScheme(MeasureKind::Preventive, "12.0", 1, "Ящур");
        glo::DATABEGIN = PackedDate::of(1, 1, 2025);
        glo::DATAEND = PackedDate::of(31, 12, 2025);
    }

    // The same records in both count files.
    void addCounts(std::initializer_list<Count> counts) {
        for (const Count& c : counts) {
            addCount(MeasureKind::Diagnostic, c);
            addCount(MeasureKind::Preventive, c);
        }
    }

    std::optional<Board> press(const char* button) {
        const CalculatorTool* tool = boardButton(button);
        EXPECT_NE(tool, nullptr) << button;
        std::optional<Board> board;
        if (tool) onThread([&] { board = runBoard(BoardSelection::current(tool->kind, tool->scope)); });
        return board;
    }
};

TEST_F(BoardTest, SumsOneMeasureNumberBySpeciesStageFlagAndPeriod) {
    addCounts({
        {1, 1, 1, "12.0", true, false, kMarch, 0, 120, 0},
        {1, 1, 1, "12.2", true, false, kApril, 0, 120, 0},  // head-treatments only
        {1, 1, 1, "12.0", false, true, 0, kMarch, 0, 80},
        {1, 2, 1, "12.1", true, false, kMay, 0, 30, 0},  // .1 counts as .0
        {1, 2, 1, "12.1", false, true, 0, kMay, 0, 30},
        {1, 1, 1, "12.2", false, true, 0, kApril, 0, 50},
        {1, 1, 1, "12.0", true, true, kMarch, kMarch, 10, 10},      // both flags: plan and done
        {1, 1, 1, "12.3", true, true, kMarch, kMarch, 1000, 1000},  // no stage
        {1, 1, 1, "12.0", true, false, kBefore, 0, 500, 0},         // outside the period
        {1, 1, 2, "12.0", false, true, 0, kMarch, 0, 60},           // another species
        {2, 2, 1, "12.0", true, false, kMarch, 0, 40, 0},           // another holding
        {1, 1, 1, "13.0", true, false, kMarch, 0, 70, 0},           // another measure
    });
    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    glo::IDVIDANIM = 1;
    glo::IDTASK = 12;
    const Lines byHolding{"Колхоз Заря",
                          "Голов, план: 160",
                          "Головообработки, план: 280",
                          "Голов, вып.: 120",
                          "Головообработок, вып.: 170",
                          "Голов, вып. % 75",
                          "Головобр., вып. % 60.71"};
    const Lines byFarm{"Колхоз Заря Центральная", "Голов, план: 130",           "Головообработки, план: 250",
                       "Голов, вып.: 90",         "Головообработок, вып.: 140", "Голов, вып. % 69.23",
                       "Головобр., вып. % 56"};
    const std::string diagnostic = "[Диагностика] Туберкули... ", preventive = "[Профилактика] Ящур     ... ";
    const struct {
        const char* button;
        const std::string& title;
        const Lines& placeAndSums;
        std::optional<std::string> heading;
    } cases[] = {
        {"?BUTTON15", diagnostic, byHolding, std::nullopt},
        {"?BUTTON16", diagnostic, byFarm, std::nullopt},
        {"?BUTTON24", preventive, byHolding, std::nullopt},
        {"?BUTTON25", preventive, byFarm, "[Калькулятрор] [Профилактика] Ящур     ... [01.01.2025--31.12.2025]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        const std::optional<Board> board = press(c.button);
        ASSERT_TRUE(board);
        Lines lines{c.title, "[01.01.2025--31.12.2025]"};
        lines.insert(lines.end(), c.placeAndSums.begin(), c.placeAndSums.end());
        EXPECT_EQ(linesOf(board->text), lines);
        EXPECT_EQ(board->heading, c.heading);
    }
    EXPECT_TRUE(messages().empty());
}

// A record dated 0 is never inside the period; an empty bound is open.
TEST_F(BoardTest, PeriodBoundsAreInclusiveAndAnEmptyBoundIsOpen) {
    addCounts({
        {1, 1, 1, "12.0", true, false, kMarch, 0, 10, 0},
        {1, 1, 1, "12.0", false, true, 0, kMay, 0, 5},
        {1, 1, 1, "12.0", true, false, kBefore, 0, 100, 0},
        {1, 1, 1, "12.0", true, false, 0, 0, 1000, 0},  // no date at all
    });
    const struct {
        PackedDate begin, end;
        const char *planned, *done;
    } cases[] = {
        {PackedDate::of(1, 1, 2025), PackedDate::of(31, 12, 2025), "10", "5"},
        {PackedDate::of(1, 3, 2025), PackedDate::of(1, 3, 2025), "10", "0"},
        {PackedDate{}, PackedDate{}, "1110", "5"},
        {PackedDate{}, PackedDate::of(31, 3, 2025), "110", "0"},
        {PackedDate::of(10, 5, 2025), PackedDate{}, "0", "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.planned);
        BoardSelection s;
        s.kind = MeasureKind::Diagnostic;
        s.records = {execution::AnalysisScope::Holding,
                     Decimal(1),
                     Decimal(1),
                     {c.begin.toDayNumber(), c.end.toDayNumber()}};
        s.species = Decimal(1);
        s.measureId = id("12.0");
        BoardSums sums;
        withFiles({dct::Access::DVSEGO}, [&] { sums = sumBoard(s); });
        EXPECT_EQ(sums.headsPlanned.plain(), c.planned);
        EXPECT_EQ(sums.headsDone.plain(), c.done);
    }
}

TEST_F(BoardTest, PercentagesAreExactRoundedAndShownWhole) {
    // Holding n holds case n.
    const struct {
        int planned, done;
        const char* percent;
    } cases[] = {{1, 1000, "100000"}, {0, 100, "0"}, {3, 2, "66.67"}, {8, 1, "12.5"}, {200, 1, "0.5"}, {3, 1, "33.33"}};
    int holding = 10;
    for (const auto& c : cases) {
        ++holding;
        addCount(MeasureKind::Diagnostic, {holding, 1, 1, "12.0", true, false, kMarch, 0, c.planned, 0});
        addCount(MeasureKind::Diagnostic, {holding, 1, 1, "12.0", false, true, 0, kMarch, 0, c.done});
    }
    holding = 10;
    for (const auto& c : cases) {
        ++holding;
        glo::IDHOZ = holding;
        glo::IDVIDANIM = 1;
        glo::IDTASK = 12;
        const std::optional<Board> board = press("?BUTTON15");
        ASSERT_TRUE(board);
        const Lines lines = linesOf(board->text);
        ASSERT_EQ(lines.size(), 9u);
        EXPECT_EQ(lines[7], "Голов, вып. % " + std::string(c.percent)) << c.planned << " " << c.done;
        EXPECT_EQ(lines[8], "Головобр., вып. % " + std::string(c.percent));
    }
}

// The names come from the values that drive the sums, not from rows shown elsewhere.
TEST_F(BoardTest, NamesAreThoseOfTheSelectedHoldingFarmAndMeasure) {
    glo::IDHOZ = 1;
    glo::IDFERM = 2;
    glo::IDVIDANIM = 1;
    glo::IDTASK = id("12.1");  // no diagnostic scheme 12.1: a blank name
    std::optional<Board> board = press("?BUTTON16");
    ASSERT_TRUE(board);
    EXPECT_EQ(linesOf(board->text)[0], "[Диагностика] " + std::string(9, ' ') + "... ");
    EXPECT_EQ(linesOf(board->text)[2], "Колхоз Заря Лесная");

    glo::IDHOZ = 3;  // a holding that does not exist
    glo::IDTASK = 12;
    board = press("?BUTTON25");
    ASSERT_TRUE(board);
    EXPECT_EQ(linesOf(board->text)[0], "[Профилактика] Ящур     ... ");
    EXPECT_EQ(linesOf(board->text)[2], " ");
    EXPECT_EQ(linesOf(board->text)[3], "Голов, план: 0");
}

}  // namespace
}  // namespace vx::calculator
