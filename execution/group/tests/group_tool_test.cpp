// The group-execution tools headless: the marked records of the current holding,
// farm and measure get what the user entered, the button acts once per action,
// and closing clears the numbers and dates but keeps the paths.

#include <gtest/gtest.h>

#include "context/globals.h"
#include "execution/group/group_tools.h"
#include "execution/operations/tests/measure_records.h"
#include "platform/core/dates.h"
#include "tests/other_station.h"
#include "tests/refused_entry.h"

namespace vx::execution::testing {
namespace {

struct Tool {
    const char* procedure;
    const char* button;
    const char* beforeButton;  // the last control of the tab order before the button
    const char* caption;
};

class GroupToolTest : public MeasureRecordsTest {
protected:
    void SetUp() override {
        MeasureRecordsTest::SetUp();
        h->addProcedure("Vp_VPO", Vp_VPO);
        h->addProcedure("Vp_VDI", Vp_VDI);
        addHolding(1, "Первое");
        addFarm(1, 2, "Луговая");
        addFarm(7, 2, "Тёзка");
        addScheme(!preventive(), Decimal::fromMantissa(50, 1), 1, "Сибирская язва");
        const auto marked = [](const MeasureFields& r) {
            r.mark = 1;
            r.treatmentsPlanned = 2;
        };
        add(1, 2, 1, 50, marked);
        add(1, 2, 2, 50, marked);
        add(1, 2, 3, 50, marked);
        add(1, 2, 4, 50);
        add(1, 2, 5, 51, marked);
        glo::IDHOZ = 1;
        glo::IDFERM = 2;
        glo::IDBOL = Decimal::fromMantissa(50, 1);
        glo::IDTASK = Decimal::fromMantissa(50, 1);
        glo::PUTVPDOC = "опись.doc";
        glo::PUTAKTDOC = "";
    }
    Tool tool() const {
        return preventive() ? Tool{"Vp_VPO", "?BUTTON4", "?LOOKUPFILE:2", "Профилактические мероприятия"}
                            : Tool{"Vp_VDI", "?BUTTON5", "?LOOKUPFILE:3", "Диагностические мероприятия"};
    }
    void open() {
        PLAY(h->start(tool().procedure));
        PLAY(h->expectWindow(tool().procedure));
    }
    void enterStatementAndAct() {
        PLAY(h->type("?NVEDJPIS", "12"));
        PLAY(h->type("?DVEDOPIS", "01.05.2026"));
        PLAY(h->type("?NAKT", "7"));
        PLAY(h->type("?DAKT", "10.05.2026"));
    }
    Lines written() {
        return read([](const MeasureFields& r) {
            return std::to_string(r.mark) + " " + r.headsPlanned.value().plain() + r.headsDone.value().plain() +
                   r.treatmentsPlanned.value().plain() + r.treatmentsDone.value().plain() + " " +
                   r.statementNumber.str() + " " + r.actNumber.str() + " " + r.statementDoc.str();
        });
    }
    std::string done() const { return tool().caption + std::string(": Отметка о выполнении мероприятий введена!"); }
};

TEST_P(GroupToolTest, TheListsShowTheContextAndTheMarkedRecordsOfTheMeasureAreDone) {
    open();
    EXPECT_EQ(rows("?LIST"), (Lines{"Первое|1"}));
    EXPECT_EQ(rows("?LIST:2"), (Lines{"Луговая|2|1"}));
    EXPECT_EQ(rows("?LIST:3"), (Lines{"Сибирская язва|5.0"}));
    enterStatementAndAct();
    PLAY(h->press(tool().button));  // the focus comes by the click: one run
    EXPECT_EQ(messages(), (Lines{done()}));
    const std::string doneRecord = "1 1111 12 7 опись.doc";
    EXPECT_EQ(written(), (Lines{doneRecord, doneRecord, doneRecord, "0 0000   ", "1 0020   "}));
}

TEST_P(GroupToolTest, UnderAnotherStationsLockNothingIsWrittenAndTheCauseIsToldInsteadOfTheEnd) {
    open();
    enterStatementAndAct();
    {
        const vx::testing::HeldWriteLocks other({glo::PUT6.str(), glo::PUT7.str()});
        PLAY(h->press(tool().button));
    }
    EXPECT_EQ(messages(), (Lines{"Операция: База данных занята другой станцией. Повторите позже."}));
    EXPECT_EQ(written()[0], "1 0020   ");
}

TEST_P(GroupToolTest, TabbingOntoTheButtonRunsItOnceAndAClickOnTheFocusedButtonAgain) {
    open();
    PLAY(h->key(tool().beforeButton, "Tab"));
    EXPECT_EQ(messages(), (Lines{done()}));
    PLAY(h->window(tool().procedure));
    EXPECT_EQ(messages(), (Lines{done()}));
    PLAY(h->press(tool().button));
    EXPECT_EQ(messages(), (Lines{done(), done()}));
}

TEST_P(GroupToolTest, AClickDeliveredAsFocusThenPressRunsOnce) {
    open();
    PLAY(h->focus(tool().beforeButton));
    PLAY(h->focus(tool().button));  // the toolkit moves the focus on the button going down
    EXPECT_EQ(messages(), Lines{});
    PLAY(h->press(tool().button));  // and reports the click when it comes up
    EXPECT_EQ(messages(), (Lines{done()}));
}

TEST_P(GroupToolTest, AnActWithoutItsDateWritesTheFieldsAndLeavesTheCounters) {
    open();
    PLAY(h->type("?NAKT", "7"));
    PLAY(h->press(tool().button));
    EXPECT_EQ(written()[0], "1 0020  7 опись.doc");
}

TEST_P(GroupToolTest, ATextNumberFromTheJournalIsShownAndWrittenAsItIs) {
    glo::NVEDJPIS = "12/А";
    glo::NAKT = "7/Б";
    open();
    PLAY(h->expectValue("?NVEDJPIS", "12/А"));
    PLAY(h->expectValue("?NAKT", "7/Б"));
    PLAY(h->press(tool().button));
    EXPECT_EQ(written()[0], "1 0020 12/А 7/Б опись.doc");
}

TEST_P(GroupToolTest, ClosingClearsTheNumbersAndDatesAndKeepsThePaths) {
    open();
    enterStatementAndAct();
    PLAY(h->type("?PUTAKTDOC", "акт.doc"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed(tool().procedure));
    open();
    for (const char* control : {"?NVEDJPIS", "?DVEDOPIS", "?NAKT", "?DAKT"}) PLAY(h->expectValue(control, ""));
    PLAY(h->expectValue("?PUTVPDOC", "опись.doc"));
    PLAY(h->expectValue("?PUTAKTDOC", "акт.doc"));
}

// Today is 10.06.2026: a statement, act or expertise date after it is refused, typed, chosen in
// the calendar or left in the tool's value, and nothing is written nor said to be done.
TEST_P(GroupToolTest, ADateAfterTodayWritesNothing) {
    fixToday(makeDate(6, 10, 2026));
    const Lines before = written();
    const char* allowed = "Допустима дата не позже сегодняшней.";
    std::vector<std::pair<const char*, const char*>> dates{{"?DVEDOPIS", "?CALENDAR"}, {"?DAKT", "?CALENDAR:2"}};
    if (!preventive()) dates.push_back({"?DEKSP", "?CALENDAR:5"});
    for (const auto& [entry, calendar] : dates) {
        SCOPED_TRACE(entry);
        open();
        const std::string refused = h->current()->caption() + ": " + allowed;
        EXPECT_TRUE(vx::testing::typedAndRefused(*h, entry, "11.06.2026", allowed));
        PLAY(h->type(entry, ""));
        PLAY(h->date("31.12.9999"));
        PLAY(h->press(calendar));
        EXPECT_EQ(messages().back(), refused);
        PLAY(h->expectValue(entry, ""));
        PLAY(h->press("?OK"));
    }
    EXPECT_EQ(written(), before);

    // A date the tool was handed: the run says what is allowed and writes nothing.
    glo::DAKT = makeDate(12, 31, 9999);
    glo::NAKT = "7";
    open();
    const std::size_t shown = messages().size();
    PLAY(h->press(tool().button));
    ASSERT_EQ(messages().size(), shown + 1);
    EXPECT_EQ(messages().back(), h->current()->caption() + ": " + allowed);
    EXPECT_EQ(h->current()->focused(), h->current()->idOf("?DAKT"));
    EXPECT_EQ(written(), before);
}

INSTANTIATE_TEST_SUITE_P(BothKinds, GroupToolTest, ::testing::Values(MeasureKind::Preventive, MeasureKind::Diagnostic));

}  // namespace
}  // namespace vx::execution::testing
