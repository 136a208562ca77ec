#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "registry/marking/marking_entries.h"
#include "registry/marking/passport_marking.h"
#include "registry/marking/tests/marking_fixture.h"

namespace vx::registry::marking::testing {
namespace {

using namespace dct;

class GroupMarkingTest : public MarkingTest {
protected:
    void SetUp() override {
        MarkingTest::SetUp();
        addHerd(groupMarkingHerd());
        glo::IDHOZ = 1;
        glo::IDFERM = 1;
        glo::IDANIM = "A1";
        glo::IDVIDANIM = 1;
        glo::IDPOL = 11;
        glo::IDKORP = 5;
        glo::IDGRUPPA = 3;
        glo::IDNGRUPPA = "Дойное";
    }
    void mark(int mode, MarkingPath path = MarkingPath::Key) {
        run([&] { runMarking(mode, path); });
    }
};

TEST_F(GroupMarkingTest, EachModeChangesTheMarksOfItsGroupOnly) {
    ASSERT_EQ(marks(), "01012010");
    const struct {
        int mode;
        const char* after;
    } cases[] = {
        {1, "11002010"},   // the animal number, also with a disposal reason; other farms untouched
        {2, "10012010"},   // sex-age group, without disposal reason
        {3, "10011010"},   // species: the mark 2 becomes 1
        {4, "10011011"},   // the whole farm: mixed marks end inverted
        {5, "11112010"},   // young stock of the species, also with a disposal reason
        {6, "00012010"},   // main herd of the species
        {7, "00000000"},   // every passport of the database
        {8, "11011010"},   // building
        {9, "01011010"},   // herd group number
        {10, "11012010"},  // herd group name
    };
    for (const auto& c : cases) {
        mark(c.mode);
        EXPECT_EQ(marks(), c.after) << "mode " << c.mode;
        setMarks("01012010");
    }
}

TEST_F(GroupMarkingTest, AFlipRunTwiceRestoresMarksOfZeroAndOneAndClearsOthers) {
    mark(4, MarkingPath::List);
    mark(4, MarkingPath::List);
    EXPECT_EQ(marks(), "01010010");
}

TEST_F(GroupMarkingTest, CaptionAndMessageDependOnHowTheModeWasStarted) {
    const struct {
        int mode;
        MarkingPath path;
        const char* caption;
        const char* message;
    } cases[] = {
        {2, MarkingPath::List, "Выделено по поло-возрастной гр", "Выделение животных: Отметка животных завершена!"},
        {2, MarkingPath::Key, "", nullptr},
        {5, MarkingPath::List, "до", "Выделение животных [Молодняк]: Отметка животных завершена!"},
        {6, MarkingPath::List, "до", "Выделение животных [Основное]: Отметка животных завершена!"},
        {7, MarkingPath::List, "Способы выделения животных", nullptr},
        {10, MarkingPath::List, "Dыделено по наименованию групп", "Выделение животных: Отметка животных завершена!"},
        {1, MarkingPath::List, "до", nullptr},
        {1, MarkingPath::Key, "", nullptr},
    };
    for (const auto& c : cases) {
        glo::TASKBOL = "до";
        const std::size_t before = shown().size();
        mark(c.mode, c.path);
        EXPECT_EQ(glo::TASKBOL.str(), c.caption) << "mode " << c.mode;
        const Lines after = shown();
        if (c.message) {
            ASSERT_EQ(after.size(), before + 1) << "mode " << c.mode;
            EXPECT_EQ(after.back(), c.message);
        } else {
            EXPECT_EQ(after.size(), before) << "mode " << c.mode;
        }
    }
}

TEST_F(MarkingTest, AnEmptyFileLeavesTheCaptionOfAGroupModeButNotOfClearingAll) {
    glo::TASKBOL = "до";
    run([] { runMarking(2, MarkingPath::List); });
    EXPECT_EQ(glo::TASKBOL.str(), "до");
    run([] { runMarking(7, MarkingPath::List); });
    EXPECT_EQ(glo::TASKBOL.str(), "Способы выделения животных");
}

TEST(MarkingEntries, TheListHoldsNineteenEntriesAndAChoiceFindsItsMode) {
    const std::string list = markingEntryList();
    EXPECT_EQ(std::count(list.begin(), list.end(), '|'), 18);
    EXPECT_TRUE(list.starts_with("Не выделять животных|Ctrl или Пкм  - установить/снять выделение строки|"));
    EXPECT_EQ(markingModeOfEntry(std::string(markingEntries()[15]) + "   "), 15);
    EXPECT_EQ(markingModeOfEntry("Не выделять животных"), 0);
    EXPECT_EQ(markingModeOfEntry("alt+v - выделить [Профилактическое мероприятие] незап-но или невып-но"), 0);
}

}  // namespace
}  // namespace vx::registry::marking::testing
