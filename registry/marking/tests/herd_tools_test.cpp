#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "registry/marking/age_synchronisation.h"
#include "registry/marking/herd_structure.h"
#include "registry/marking/passport_marking.h"
#include "registry/marking/tests/marking_fixture.h"

namespace vx::registry::marking::testing {
namespace {

using namespace dct;

const int32_t kToday = makeDate(12, 10, 2026);

class HerdToolsTest : public MarkingTest {
protected:
    void SetUp() override {
        MarkingTest::SetUp();
        fixToday(kToday);
    }
};

TEST_F(HerdToolsTest, AgeSynchronisationStoresTheAgeOfEveryPassportAndSaysSo) {
    Animal a;
    std::vector<Animal> animals;
    for (int birth : {kToday - 365, kToday - 364, kToday - 31, kToday, kToday + 10, 0}) {
        a.birth = birth;
        a.holding = birth == 0 ? 7 : 1;  // every holding counts
        animals.push_back(a);
    }
    addHerd(animals);
    run([] {
        Set(PASPORT);
        while (Next(PASPORT)) {
            PAS->VOZRASTG = 9;
            Put(PASPORT);
        }
    });
    int reloads = 0;
    run([&] { synchroniseAges([&] { ++reloads; }); });
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(ages(), (Lines{"1 0 0", "0 11 29", "0 1 0", "0 0 0", "0 0 0", "0 0 0"}));
    EXPECT_EQ(shown(), (Lines{"Синхронизация возраста животных: Синхронизация возраста животных проведена!\nДата "
                              "рождения позже сегодняшней у животных: 1, их возраст 0."}));
}

TEST_F(HerdToolsTest, TheStructureCountsPerGroupInOwnAccumulatorsAndSummariesGoToTheNotes) {
    addGroup(12, 0, "Тёлки");
    addGroup(11, 0, "Коровы");
    addGroup(31, 0, "Овцы");
    addGroup(2500, 0, "Прочие");
    addGroup(-3, 0, "Особые");
    addGroup(40, 0, "Телята");
    std::vector<Animal> animals;
    for (int group : {11, 12, 11, 0, 2500, -3}) animals.push_back({1, 1, "", 1, group});
    animals.push_back({1, 2, "", 1, 31});
    animals.push_back({1, 1, "", 1, 12, 0, "Падёж"});  // disposed of, still counted
    for (int n = 0; n < 3; ++n) animals.push_back({2, 1, "", 1, 11});
    addHerd(animals);
    addHolding(1, "Заря", "Хозяйство");
    addHolding(2, "Восход");
    addFarm(1, 1, "Центральная", "Центр");
    addFarm(1, 2, "Луговая");
    // A second farm under the same numbers, its note nearly full.
    addFarm(1, 1, "Центральная", std::string(2990, 'x'));
    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    glo::HOZNAME = "Заря";
    glo::FERNAME = "Центральная";
    glo::DM[10] = {7, 7, 7, 7, 7};

    HerdStructure s;
    run([&] { s = countHerdStructure(); });
    EXPECT_EQ(s.tooltip,
              "Структура поголовья:\n\n[Заря][Центральная]\n\n"
              "[    2] Тёлки\n-----------------------------------\n"
              "[    2] Коровы\n-----------------------------------\n"
              "[    1] Прочие\n-----------------------------------\n"
              "[    1] Особые\n-----------------------------------\n");
    EXPECT_EQ(s.farmSummary.str(), "10.12.2026  [    2] Тёлки [    2] Коровы [    1] Прочие [    1] Особые");
    EXPECT_EQ(s.holdingSummary.str(),
              "10.12.2026  [    2] Тёлки [    2] Коровы [    1] Овцы [    1] Прочие [    1] Особые");
    EXPECT_EQ(glo::DM[10][0], 7);  // the shared accumulators are left alone

    Byte holdingNoteDone = 0;
    run([&] { appendHerdSummaries(s, holdingNoteDone); });
    run([&] { appendHerdSummaries(s, holdingNoteDone); });
    EXPECT_EQ(holdingNoteDone, 1);
    const std::string farmLine = s.farmSummary.str();
    const Lines farms = notes(true);
    EXPECT_EQ(farms[0], "Центр\n" + farmLine + "\n" + farmLine);
    EXPECT_EQ(farms[1], "");
    EXPECT_EQ(farms[2], (std::string(2990, 'x') + "\n" + farmLine).substr(0, 3000));
    EXPECT_EQ(notes(false), (Lines{"Хозяйство\n" + s.holdingSummary.str(), ""}));
}

TEST_F(HerdToolsTest, AFarmWithoutPassportsHasOnlyTheHeadingAndTheDate) {
    addGroup(11, 0, "Коровы");
    addHerd({{1, 2, "", 1, 11}});
    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    HerdStructure s;
    run([&] { s = countHerdStructure(); });
    EXPECT_EQ(s.tooltip, "Структура поголовья:\n\n[][]\n\n");
    EXPECT_EQ(s.farmSummary.str(), "10.12.2026");
    EXPECT_EQ(s.holdingSummary.str(), "10.12.2026  [    1] Коровы");
}

TEST_F(HerdToolsTest, WholeFileToolsLeaveTheThreadsBuffersAndReadingPositionAlone) {
    addGroup(11, 0, "Коровы");
    addHerd({{1, 1, "N1", 1, 11},
             {1, 1, "N2", 1, 11, 0, "", 0, 0, "", 0, 100},
             {1, 1, "N3", 1, 11, 0, "", 0, 0, "", 0, 100}});
    glo::IDHOZ = 1;
    glo::IDFERM = 1;
    run([] {
        Set(PASPORT);
        ASSERT_TRUE(Next(PASPORT));
        ASSERT_TRUE(Next(PASPORT));
        POL->IDPOL = 99;
        runMarking(4, MarkingPath::List);
        runMarking(7, MarkingPath::List);
        runMarking(4, MarkingPath::List);
        storeAges();
        countHerdStructure();
        EXPECT_EQ(PAS->IDANIM.str(), "N2");
        EXPECT_EQ(PAS->CHEK, 0);
        EXPECT_TRUE(PAS->VOZRASTG.isZero());
        EXPECT_EQ(POL->IDPOL.toInt(), 99);
        ASSERT_TRUE(Next(PASPORT));
        EXPECT_EQ(PAS->IDANIM.str(), "N3");
        EXPECT_EQ(PAS->CHEK, 1);  // the next read sees what the tools wrote
        EXPECT_FALSE(PAS->VOZRASTG.isZero());
    });
}

}  // namespace
}  // namespace vx::registry::marking::testing
