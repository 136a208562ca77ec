#include <gtest/gtest.h>

#include "platform/classes/tests/classes_fixture.h"
#include "platform/classes/tests/test_windows.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/layout.h"

namespace vx::classes::testing {
namespace {

using Lines = std::vector<std::string>;
namespace rq = rt::request;
namespace rs = rt::response;

class FormTest : public ClassesTest {
protected:
    void SetUp() override {
        ClassesTest::SetUp();
        resetScene();
        addTestWindows(*h);
        addGroup(1, "Альфа");
        addGroup(2, "Бета");
        // The form called on a thread of its own with a request, over group `kod` (0: none loaded).
        h->addProcedure("Call", [this] {
            data::FileManager& fm = files().access(GRP);
            fm.open();
            if (kod != 0) {
                group().KOD = kod;
                fm.fetch(0);
            }
            *rt::GLOBALREQUEST = request;
            GroupForm();
            answers.push_back(*rt::GLOBALRESPONSE);
            fm.close();
        });
    }
    void TearDown() override {
        ClassesTest::TearDown();
        resetScene();
    }

    ui::Outcome call(Byte r, int group) {
        request = r;
        kod = group;
        return h->start("Call");
    }
    Lines takeTrace() { return std::exchange(scene().trace, {}); }

    Byte request = rq::Change;
    int kod = 1;
    std::vector<Byte> answers;
};

TEST_F(FormTest, ChangeSavesWhatTheFormShowsAfterAcceptingEveryControlInTabOrder) {
    // A handler of the pass changes a later control's variable: the later control then shows it, and it is saved.
    scene().formAccepted = [](GroupFormWindow& w) {
        if (w.isField("?GRP:KOD") && w.acceptingAll()) group().NAME = "Изменено";
    };
    PLAY(call(rq::Change, 2));
    PLAY(h->expectStatus(2, "Изменить запись"));
    PLAY(h->expectValue("?GRP:NAME", "Бета"));
    PLAY(h->type("?GRP:KOD", "7"));
    takeTrace();
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("GroupForm"));
    EXPECT_EQ(takeTrace(), (Lines{"form ?OK Selected", "form ?OK Accepted", "form ?GRP:KOD Accepted (all)",
                                  "form ?GRP:NAME Accepted (all)", "form ?GRP:CHEK Accepted (all)"}));
    EXPECT_EQ(groups(), (Lines{"1 Альфа 1", "7 Изменено 1"}));
    EXPECT_EQ(answers, (std::vector<Byte>{rs::Completed}));
}

TEST_F(FormTest, InsertPrimesAndACancelledInsertGivesBackItsNumber) {
    PLAY(h->start("GroupList"));
    PLAY(h->press("?INSERT:2"));
    PLAY(h->expectValue("?MEM:NO", "1"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectClosed("MemberForm"));
    PLAY(h->press("?INSERT:2"));
    // The number reserved by the cancelled insert is free again.
    PLAY(h->expectValue("?MEM:NO", "1"));
    PLAY(h->expectValue("?MEM:GRP", "1"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(members(), (Lines{"1 1  1"}));
}

TEST_F(FormTest, CancelAfterChangesAsksFirst) {
    PLAY(call(rq::Change, 1));
    PLAY(h->type("?GRP:NAME", "Другое"));
    PLAY(h->answer("No"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectMessage("Было редактирование!", "Выйти без сохранения?"));
    PLAY(h->expectWindow("GroupForm"));
    EXPECT_EQ(h->current()->control(h->current()->focused())->useName(), "?GRP:KOD") << "back at the first control";
    PLAY(h->answer("Yes"));
    PLAY(h->close());
    PLAY(h->expectMessage("Было редактирование!", "Выйти без сохранения?"));
    PLAY(h->expectClosed("GroupForm"));
    EXPECT_EQ(groups(), (Lines{"1 Альфа 1", "2 Бета 1"}));
    EXPECT_EQ(answers, (std::vector<Byte>{rs::Cancelled}));

    // Without changes nothing is asked.
    PLAY(call(rq::Change, 1));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectNoMessage());
    PLAY(h->expectClosed("GroupForm"));
}

TEST_F(FormTest, ViewShowsTheRecordReadOnlyAndOkOnlyCloses) {
    PLAY(call(rq::View, 2));
    PLAY(h->expectStatus(2, "View Record"));
    EXPECT_TRUE(h->find("?GRP:NAME")->readOnly());
    EXPECT_FALSE(h->find("?GRP:CHEK")->readOnly());
    PLAY(h->press("?GRP:CHEK"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("GroupForm"));
    EXPECT_EQ(groups(), (Lines{"1 Альфа 1", "2 Бета 1"}));
    EXPECT_EQ(answers, (std::vector<Byte>{rs::Cancelled}));
}

TEST_F(FormTest, DeleteNeverOpensTheWindow) {
    PLAY(h->answer("No"));
    PLAY(call(rq::Delete, 2));
    PLAY(h->answer("Yes"));
    PLAY(call(rq::Delete, 2));
    EXPECT_EQ(scene().formsOpened, 0);
    EXPECT_EQ(messages(), (Lines{"Confirm Delete: Удалить запись?", "Confirm Delete: Удалить запись?"}));
    EXPECT_EQ(answers, (std::vector<Byte>{rs::Cancelled, rs::Completed}));
    EXPECT_EQ(groups(), (Lines{"1 Альфа 1"}));
}

TEST_F(FormTest, RequestsTheFormDoesNotOfferAndARecordThatIsGone) {
    scene().form = [](GroupFormWindow& w) { w.offerRequests(false, false, false); };
    PLAY(call(rq::Insert, 0));
    PLAY(call(rq::Change, 1));
    PLAY(call(rq::Delete, 1));
    scene().form = {};
    PLAY(call(rq::Change, 0));
    EXPECT_EQ(messages(), (Lines{"Ошибка доступа: This form cannot be used to insert a record",
                                 "Invalid Request: This form cannot be used to update a record",
                                 "Invalid Request: This form cannot be used to delete a record",
                                 "Record Retrieval Error: Error: (no record was chosen) attempting to access a record "
                                 "from the group file.  Returning to previous window."}));
    EXPECT_EQ(answers, (std::vector<Byte>(4, rs::Cancelled)));
}

TEST_F(FormTest, HistoryRecallsTheLastSavedRecordOfThisThreadOnly) {
    PLAY(h->start("GroupList"));
    PLAY(h->press("?INSERT"));
    PLAY(h->type("?GRP:KOD", "5"));
    PLAY(h->type("?GRP:NAME", "Пятая"));
    PLAY(h->press("?OK"));
    PLAY(h->press("?INSERT"));
    PLAY(h->focus("?GRP:NAME"));
    PLAY(h->key("", "Ctrl+H"));
    PLAY(h->expectValue("?GRP:NAME", "Пятая"));
    PLAY(h->expectValue("?GRP:KOD", "0"));  // only the focused control

    // The frame's history button reaches the form as an event posted by the frame.
    ui::Window frame(ui::WindowKind::Frame, "Main");
    ui::LayoutBuilder fb(frame);
    fb.toolbar([&] { fb.toolButton("?TOOLBAR:HISTORY", "history.ico", "История"); });
    frame.open();
    PLAY(h->window("GroupForm"));
    PLAY(h->focus("?GRP:KOD"));
    ui::Event e{ui::EventKind::Accepted, frame.idOf("?TOOLBAR:HISTORY")};
    e.from = frame.id();
    h->current()->post(e);
    PLAY(h->settle());
    PLAY(h->expectValue("?GRP:KOD", "5"));
    PLAY(h->answer("Yes"));
    PLAY(h->press("?CANCEL"));

    // Another thread's form offers nothing.
    PLAY(call(rq::Change, 1));
    PLAY(h->focus("?GRP:NAME"));
    PLAY(h->key("", "Ctrl+H"));
    PLAY(h->expectValue("?GRP:NAME", "Альфа"));
}

}  // namespace
}  // namespace vx::classes::testing
