#include "platform/runtime/errors.h"

#include <gtest/gtest.h>

#include <iostream>

#include "platform/runtime/shutdown.h"
#include "platform/runtime/threads.h"

namespace vx::rt {
namespace {

class ErrorsTest : public testing::Test {
protected:
    void SetUp() override {
        GLOBALERRORS.recorder().clear();
        previousEnd_ = GLOBALERRORS.setEndProgramHandler([this] { ++ended; });
    }
    void TearDown() override {
        GLOBALERRORS.setEndProgramHandler(previousEnd_);
        GLOBALERRORS.recorder().clear();
    }
    const std::vector<ShownMessage>& shown() { return GLOBALERRORS.recorder().shown(); }

    int ended = 0;

private:
    ErrorManager::EndProgram previousEnd_;
};

TEST_F(ErrorsTest, FieldsArePutInAndBarsBreakLines) {
    MessageFields f{.file = "pasport", .key = "PAS:K8", .errorText = "disk full"};
    EXPECT_EQ(ErrorManager::messageText(MessageId::AutoIncrementError, f),
              "Attempts to automatically number this record have failed.\nFile: pasport\nKey: PAS:K8\n"
              "Error: disk full.\nTry Again?");
    EXPECT_EQ(ErrorManager::messageText(MessageId::DuplicateKey, {.message = "По номеру"}),
              "Adding this record creates a duplicate entry for the key: По номеру");
    // A value is put in as it is, even when it looks like a field or a line break.
    EXPECT_EQ(ErrorManager::messageText(MessageId::RestrictDelete, {.file = "%Key|x"}),
              "This record is referenced from the file %Key|x. This record cannot be deleted while these "
              "references exist.");
    // A % that starts no field name stays.
    EXPECT_EQ(ErrorManager::messageText(MessageId::DamagedKey, {}),
              "%Ошибка ключевого файла. Ключ может быть перестроен.");
}

TEST_F(ErrorsTest, AQuestionAnswersBenignForYesAndCancelForNo) {
    GLOBALERRORS.recorder().answerNext(Answer::Yes);
    GLOBALERRORS.recorder().answerNext(Answer::No);
    EXPECT_EQ(GLOBALERRORS.raise(MessageId::ConfirmDelete), Level::Benign);
    EXPECT_EQ(GLOBALERRORS.raise(MessageId::ConfirmCancel), Level::Cancel);
    EXPECT_EQ(GLOBALERRORS.raise(MessageId::DeleteError, {.file = "vpo"}), Level::Cancel);  // no answer left: no

    ASSERT_EQ(shown().size(), 3u);
    EXPECT_EQ(shown()[0].caption, "Confirm Delete");
    EXPECT_EQ(shown()[0].text, "Удалить запись?");
    EXPECT_EQ(shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(shown()[1].caption, "Было редактирование!");
    EXPECT_EQ(GLOBALERRORSTATUS->lastMessage, MessageId::DeleteError);
    EXPECT_EQ(GLOBALERRORSTATUS->lastFields.file, "vpo");
}

TEST_F(ErrorsTest, OtherLevelsAreShownWithOkAndAnsweredAsThemselves) {
    EXPECT_EQ(GLOBALERRORS.raise(MessageId::ChangedElsewhere), Level::Notify);
    EXPECT_EQ(GLOBALERRORS.raise(MessageId::UseBeforeOpen, {.file = "hoz"}), Level::Program);
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[0].caption, "Запись не изменена");
    EXPECT_EQ(shown()[0].buttons, Buttons::Ok);
    EXPECT_EQ(shown()[1].text, "Attempt to use file (hoz) before it was opened");
    EXPECT_EQ(ended, 0);
}

TEST_F(ErrorsTest, AFatalMessageIsShownWithTheEndingNoteAndThenEndsTheProgram) {
    struct WatchingSink : MessageSink {
        int* ended;
        int endedWhenShown = -1;
        Answer show(const std::string&, const std::string&, Buttons) override {
            endedWhenShown = *ended;
            return Answer::Ok;
        }
    } sink;
    sink.ended = &ended;
    GLOBALERRORS.setSink(&sink);
    EXPECT_EQ(GLOBALERRORS.raise(MessageId::CreateError, {.file = "hoz", .errorText = "Отказано"}), Level::Fatal);
    GLOBALERRORS.setSink(nullptr);
    EXPECT_EQ(sink.endedWhenShown, 0);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(ErrorManager::messageText(MessageId::CreateError, {.file = "hoz", .errorText = "Отказано"}),
              "Error: (Отказано) creating hoz.  Press OK to end this application");
}

TEST(ErrorsDeathTest, ByDefaultAFatalMessageRunsTheShutdownHooksAndExitsWithCodeThree) {
    EXPECT_EXIT(
        {
            addShutdownHook([] { std::cerr << "first registered\n"; });
            addShutdownHook([] {
                std::cerr << "last registered\n";
                throw std::runtime_error("a failing hook");
            });
            GLOBALERRORS.raise(MessageId::OpenError, {.file = "pasport"});
        },
        testing::ExitedWithCode(3), "last registered(.|\n)*a failing hook(.|\n)*first registered");
}

TEST_F(ErrorsTest, ProcedureNamesArePerThread) {
    GLOBALERRORS.setProcedureName("Main");
    std::string seenInBrowse, seenInJournal, seenAfterPop;
    ThreadId browse = startThread(
        [&] {
            EXPECT_EQ(GLOBALERRORS.procedureName(), "");
            GLOBALERRORS.setProcedureName("Browsehoz");
            GLOBALERRORS.setProcedureName("Updatepasport");
            suspend();
            seenInBrowse = GLOBALERRORS.procedureName();
            GLOBALERRORS.popProcedureName();
            seenAfterPop = GLOBALERRORS.procedureName();
        },
        0);
    startThread(
        [&] {
            GLOBALERRORS.setProcedureName("BrowseVPO");
            seenInJournal = GLOBALERRORS.procedureName();
            wake(browse);
        },
        0);
    runReady();
    EXPECT_EQ(seenInBrowse, "Updatepasport");
    EXPECT_EQ(seenAfterPop, "Browsehoz");
    EXPECT_EQ(seenInJournal, "BrowseVPO");
    EXPECT_EQ(GLOBALERRORS.procedureName(), "Main");
    GLOBALERRORS.popProcedureName();
    GLOBALERRORS.popProcedureName();  // more pops than pushes do no harm
    EXPECT_EQ(GLOBALERRORS.procedureName(), "");
}

}  // namespace
}  // namespace vx::rt
