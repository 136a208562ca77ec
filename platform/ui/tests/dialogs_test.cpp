#include <gtest/gtest.h>

#include "platform/runtime/errors.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/tests/test_window.h"

namespace vx::ui {
namespace {

using testing::Log;
using testing::TestWindow;

// Keeps every dialog open until the test answers it, as a user who takes their time.
class PatientRenderer : public headless::HeadlessRenderer {
public:
    void dialogRequested(Dialog& d) override { waiting.push_back(&d); }
    std::vector<Dialog*> waiting;
};

TEST(Dialogs, AMessageBoxIsAwaitedByItsThreadAlone) {
    Log askLog, otherLog;
    std::optional<rt::Answer> answer;
    headless::Harness h;  // after what its windows use: it closes them when it goes
    TestWindow asker{"Asker", [](LayoutBuilder& b) { b.button("?ASK", "Спросить"); }, &askLog};
    asker.handler = [&](Window&, const Event& e) {
        if (e.kind == EventKind::Accepted)
            answer = messageBox("Было редактирование!", "Выйти без сохранения?", rt::Buttons::YesNo);
    };
    h.addProcedure("Asker", asker);
    h.addProcedure("Other", TestWindow{"Other", [](LayoutBuilder& b) { b.button("?PING", "Пинг"); }, &otherLog});
    PLAY(h.start("Asker"));
    PLAY(h.start("Other"));

    PatientRenderer patient;
    desktop().setRenderer(&patient);
    PLAY(h.window("Asker"));
    PLAY(h.press("?ASK"));
    ASSERT_EQ(patient.waiting.size(), 1u);
    Dialog& d = *patient.waiting.front();
    EXPECT_EQ(d.caption(), "Было редактирование!");
    EXPECT_EQ(d.buttons(), rt::Buttons::YesNo);
    EXPECT_EQ(d.owner(), h.current()->id());
    EXPECT_FALSE(answer);
    EXPECT_TRUE(h.current()->blocked());
    EXPECT_FALSE(h.press("?ASK"));

    PLAY(h.window("Other"));
    PLAY(h.press("?PING"));
    EXPECT_EQ(otherLog.back(), "Accepted ?PING");

    d.answer(rt::Answer::Yes);
    PLAY(h.settle());
    desktop().setRenderer(&h.renderer());
    EXPECT_EQ(answer, rt::Answer::Yes);
    EXPECT_FALSE(h.windowsOf("Asker").front()->blocked());
    EXPECT_EQ(desktop().activeWindow(), h.windowsOf("Asker").front()) << "the window that asked has the keyboard again";
}

TEST(Dialogs, TheErrorManagersMessagesAreMessageBoxes) {
    std::vector<rt::Level> levels;
    headless::Harness h;
    TestWindow form{"Form", [](LayoutBuilder& b) { b.button("?DELETE", "Удалить"); }};
    form.handler = [&](Window&, const Event& e) {
        if (e.kind == EventKind::Accepted) levels.push_back(rt::GLOBALERRORS.raise(rt::MessageId::ConfirmDelete));
    };
    h.addProcedure("Form", form);
    PLAY(h.start("Form"));
    PLAY(h.answer("Yes"));
    PLAY(h.press("?DELETE"));
    PLAY(h.answer("No"));
    PLAY(h.press("?DELETE"));
    PLAY(h.expectMessage("Confirm Delete", "Удалить запись?"));
    PLAY(h.expectMessage("Confirm Delete", "Удалить запись?"));
    PLAY(h.expectNoMessage());
    EXPECT_EQ(levels, (std::vector<rt::Level>{rt::Level::Benign, rt::Level::Cancel}));
}

TEST(Dialogs, TheHarnessAnswersFromItsQueueAndNeverWaits) {
    std::vector<std::string> got;
    headless::Harness h;
    TestWindow tools{"Tools", [](LayoutBuilder& b) {
                         b.button("?NOTE", "Сообщить");
                         b.button("?ASK", "Спросить");
                         b.button("?FILE", "Файл");
                         b.button("?DATE", "Дата");
                     }};
    tools.handler = [&](Window& w, const Event& e) {
        if (e.kind != EventKind::Accepted) return;
        if (e.control == w.idOf("?NOTE")) messageBox("Выделение животных", "Отметка животных|завершена!");
        if (e.control == w.idOf("?ASK"))
            got.push_back(messageBox("Вопрос", "Да?", rt::Buttons::YesNo) == rt::Answer::Yes ? "yes" : "no");
        if (e.control == w.idOf("?FILE"))
            got.push_back(fileDialog("Файлы Excel", "Файлы Excel|*.xls").value_or("cancelled"));
        if (e.control == w.idOf("?DATE")) {
            const auto d = calendarDialog("Дата рождения", makeDate(1, 1, 2026));
            got.push_back(d ? std::to_string(*d) : "none");
        }
    };
    h.addProcedure("Tools", tools);
    PLAY(h.start("Tools"));

    PLAY(h.press("?NOTE"));  // an OK box needs no queued answer
    PLAY(h.expectMessage("Выделение животных", "Отметка животных|завершена!"));
    const Outcome unanswered = h.press("?ASK");
    EXPECT_FALSE(unanswered);
    EXPECT_NE(unanswered.refusal.find("\"Вопрос\""), std::string::npos) << unanswered.refusal;
    PLAY(h.file("/data/plan.xls"));
    PLAY(h.press("?FILE"));
    PLAY(h.file(""));
    PLAY(h.press("?FILE"));
    PLAY(h.date("29.02.2028"));
    PLAY(h.press("?DATE"));
    PLAY(h.date(""));
    PLAY(h.press("?DATE"));
    EXPECT_FALSE(h.date("30.02.2028"));
    EXPECT_EQ(got, (std::vector<std::string>{"no", "/data/plan.xls", "cancelled", std::to_string(makeDate(2, 29, 2028)),
                                             "none"}));
}

TEST(Dialogs, FileFiltersComeInPairs) {
    const auto f = parseFileFilters("Все файлы|*.*|Файлы Excel|*.xls;*.xlsx");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].description, "Все файлы");
    EXPECT_EQ(f[1].patterns, (std::vector<std::string>{"*.xls", "*.xlsx"}));
    EXPECT_TRUE(parseFileFilters("").empty());
}

}  // namespace
}  // namespace vx::ui
