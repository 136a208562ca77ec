#include <gtest/gtest.h>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/ui/drop_control.h"
#include "registry/marking/marking_entries.h"
#include "registry/register/tests/marking_register_fixture.h"

namespace vx::registry::testing {
namespace {

using namespace dct;
using namespace marking::testing;

std::string entry(int mode) { return std::string(marking::markingEntries()[mode]); }

// Farm 1 of holding 1 is shown with passports 1, 2, 3, 4, 5 and 8 (rows 1 to 6);
// passport 6 is in farm 2, passport 7 in farm 1 of holding 2.
class GroupMarkingRegisterTest : public MarkingRegisterTest {
protected:
    void SetUp() override {
        MarkingRegisterTest::SetUp();
        addHolding(1, "Заря");
        addHolding(2, "Восход");
        addFarm(1, 1, "Центр");
        addFarm(1, 2, "Луг");
        addFarm(2, 1, "Центр");
        glo::TASKBOL = "до";
        addHerd(groupMarkingHerd());
    }
    static constexpr const char* kBefore = "01012010";
};

struct GroupCase {
    int mode;
    int row;           // the animal highlighted (key path) or clicked
    const char* keys;  // keys to the list, or "" for a click
    const char* mods;  // the click's modifiers
    const char* button;
    const char* after;
    const char* caption;  // TASKBOL after the entry was chosen
    const char* message;  // caption of the message after the entry was chosen, "" for none
};

const GroupCase kGroupCases[] = {
    {1, 1, "Ctrl", "", "", "11002010", "до", ""},  // both A1 of the farm, also with a disposal reason
    {1, 1, "", "", "right", "11002010", "до", ""},
    {2, 1, "", "Shift", "left", "10012010", "Выделено по поло-возрастной гр", "Выделение животных"},
    {3, 1, "", "Shift", "right", "10011010", "Выделено по виду животных", "Выделение животных"},  // a mark 2 becomes 1
    {4, 1, "", "Alt", "left", "10011011", "Выделено по населённому пункту",
     "Выделение животных"},  // mixed marks end inverted
    {5, 1, "Alt+1", "", "", "11112010", "до", "Выделение животных [Молодняк]"},
    {6, 1, "Alt+2", "", "", "00012010", "до", "Выделение животных [Основное]"},
    {7, 1, "", "Ctrl+Shift", "left", "00000000", "Способы выделения животных", ""},  // every holding and farm
    {8, 5, "Alt+K", "", "", "11011010", "Выделено по № корпуса", "Выделение животных"},
    {9, 5, "Alt+G", "", "", "01011010", "Выделено по № группы (стада)", "Выделение животных"},
    {10, 5, "Alt+N", "", "", "00011010", "Dыделено по наименованию групп", "Выделение животных"},
};

ui::Outcome play(headless::Harness& h, const GroupCase& c) {
    if (!*c.keys) return h.click("?LIST:2", c.row, c.mods, c.button);
    if (ui::Outcome o = h.select("?LIST:2", c.row); !o) return o;
    return h.key("?LIST:2", c.keys);
}

TEST_F(GroupMarkingRegisterTest, EachKeyAndClickOfTheAnimalListMarksItsGroupSilently) {
    PLAY(h->start("Browsehoz"));
    for (const GroupCase& c : kGroupCases) {
        PLAY(play(*h, c));
        EXPECT_EQ(marks(), c.after) << "mode " << c.mode;
        PLAY(h->expectValue("?TASKBOL", ""));
        PLAY(h->expectNoMessage());
        // The lists show the new marks; the highlight and the context stay on the same animal.
        EXPECT_EQ(h->cellLook("?LIST:2", 1, 1)->icon, c.after[0] == '1' ? 1 : 0) << "mode " << c.mode;
        EXPECT_EQ(list("?LIST:2").current(), c.row - 1) << "mode " << c.mode;
        EXPECT_EQ(h->windowsOf("Browsehoz")[0]->focused(), h->find("?LIST:2")->id());
        setMarks(kBefore);
        glo::TASKBOL = "до";
    }
}

TEST_F(GroupMarkingRegisterTest, EachEntryOfTheMarkingListMarksAsItsKeyWithCaptionAndMessage) {
    PLAY(h->start("Browsehoz"));
    PLAY(h->expectRow("?LIST:2", 1, "A1"));
    const auto& combo = dynamic_cast<const ui::DropControl&>(*h->find("?VUDELIT"));
    EXPECT_EQ(combo.model().rowCount(), 19);
    EXPECT_EQ(combo.model().columns().at(0).title, "Способы выделения для экспорта");
    EXPECT_EQ(combo.model().lineHeight(), 12);
    EXPECT_EQ(combo.icon(), "OK_help.ICO");
    for (const GroupCase& c : kGroupCases) {
        PLAY(h->select("?LIST:2", c.row));
        PLAY(h->focus("?VUDELIT"));
        EXPECT_EQ(h->find("?VUDELIT")->icon(), "krug_ch.gif");
        PLAY(h->choose("?VUDELIT", entry(c.mode)));
        EXPECT_EQ(marks(), c.after) << "mode " << c.mode;
        PLAY(h->expectValue("?TASKBOL", c.caption));
        if (*c.message) PLAY(h->expectMessage(c.message, "Отметка животных завершена!"));
        else PLAY(h->expectNoMessage());
        EXPECT_EQ(h->find("?VUDELIT")->icon(), "OK_help.ICO");
        EXPECT_EQ(h->windowsOf("Browsehoz")[0]->focused(), h->find("?LIST:2")->id());
        EXPECT_EQ(list("?LIST:2").current(), c.row - 1);
        setMarks(kBefore);
        glo::TASKBOL = "до";
    }
}

TEST_F(GroupMarkingRegisterTest, AnEntryActsOnTheAnimalTheListsLastEventCopiedAndAgainRestoresTheMarks) {
    PLAY(h->start("Browsehoz"));
    PLAY(h->select("?LIST:2", 2));
    PLAY(h->choose("?VUDELIT", entry(1)));
    EXPECT_EQ(marks(), "00012010");  // A2 unmarked
    PLAY(h->choose("?VUDELIT", entry(4)));
    PLAY(h->expectMessage("Выделение животных", "Отметка животных завершена!"));
    PLAY(h->choose("?VUDELIT", entry(4)));
    PLAY(h->expectMessage("Выделение животных", "Отметка животных завершена!"));
    EXPECT_EQ(marks(), "00010010");  // flipped twice: 0 and 1 as before, the 2 on its way through 1 became 0
    PLAY(h->choose("?VUDELIT", entry(0)));
    EXPECT_EQ(marks(), "00010010");
    PLAY(h->expectNoMessage());
    PLAY(h->key("?LIST:2", "Alt+P"));  // not a marking key
    EXPECT_EQ(marks(), "00010010");

    // Ctrl with a click: Ctrl going down marks the animal highlighted then; the click only moves.
    PLAY(h->select("?LIST:2", 1));
    PLAY(h->click("?LIST:2", 3, "Ctrl"));
    EXPECT_EQ(marks(), "10000010");
    EXPECT_EQ(list("?LIST:2").current(), 2);
    PLAY(h->click("?LIST:2", 2, "Ctrl"));  // Ctrl held since the last click does not count again
    EXPECT_EQ(marks(), "10000010");
}

// Passports 1 to 9; 7 is of holding 2, farm 1. Schemes: measures 5.0 and 6.0 of species 1 in both books.
class PlanStatusRegisterTest : public MarkingRegisterTest {
protected:
    void SetUp() override {
        MarkingRegisterTest::SetUp();
        addSpecies(1, "КРС");
        addSpecies(2, "Свиньи");
        addHolding(1, "Заря");
        addHolding(2, "Восход");
        addFarm(1, 1, "Центр");
        addFarm(2, 1, "Центр");
        addHerd(planStatusHerd());
        for (const Measure& m : planStatusMeasures()) {
            const int holding = planStatusHerd()[m.passport - 1].holding;
            addDiagnostic(holding, 1, m.passport, [&] { fillMeasure(*VDI, VDI->DEKSP, m); });
            addPreventive(holding, 1, m.passport, [&] { fillMeasure(*VPO, VPO->AKTDATA, m); });
        }
        addScheme(true, 5, 1, "Туберкулинизация");
        addScheme(true, 6, 1, "Лейкоз");
        addScheme(false, 5, 1, "Ящур");
        addScheme(false, 6, 1, "Бешенство");
    }
    static constexpr const char* kBefore = "000010000";

    // In the picker that the mode opened: highlights the other scheme, then 5.0; "Выбрать" when `choose`.
    ui::Outcome pick(std::string_view picker, bool choose) {
        if (ui::Outcome o = h->expectWindow(picker); !o) return o;
        if (ui::Outcome o = h->select("?BROWSE:1", 2); !o) return o;
        if (ui::Outcome o = h->select("?BROWSE:1", 1); !o) return o;
        if (choose)
            if (ui::Outcome o = h->press("?SELECT"); !o) return o;
        return h->close();
    }
};

TEST_F(PlanStatusRegisterTest, EachModeMarksByThePickedMeasureOfTheCurrentHoldingAndFarmOnly) {
    const struct {
        int mode;
        const char* key;
        const char* after;
        const char* message;
    } cases[] = {
        {11, "Alt+X", "100010011", "Незапланировано диагностическое мероприятие"},
        {12, "Alt+C", "101110011", "Незапланировано или невыполнено диагностическое мероприятие"},
        {13, "Alt+B", "000110000", "Невыполнено диагностическое мероприятие"},  // partly done is not "not started"
        {17, "Shift+X", "011110000", "Запланировано диагностическое мероприятие"},
        {14, "Alt+Z", "100010011", "Незапланировано профилактическое мероприятие"},
        {15, "Alt+V", "101110011", "Незапланировано или невыполнено профилактическое мероприятие"},
        {16, "Alt+M", "000110000", "Невыполнено профилактическое мероприятие"},
        {18, "Shift+Z", "011110000", "Запланировано профилактическое мероприятие"},
    };
    PLAY(h->start("Browsehoz"));
    PLAY(h->select("?LIST:2", 6));  // Q6, of the other species
    for (const auto& c : cases) {
        const bool diagnostic = c.mode <= 13 || c.mode == 17;
        const std::string_view picker = diagnostic ? "BrwtaskVDI" : "BrwtaskVPO";
        for (bool byKey : {true, false}) {
            glo::TASKBOL = "до";
            if (byKey) PLAY(h->key("?LIST:2", c.key));
            else PLAY(h->choose("?VUDELIT", entry(c.mode)));
            PLAY(pick(picker, !diagnostic));
            PLAY(h->expectMessage(c.message, "Отметка животных завершена!"));
            EXPECT_EQ(marks(), c.after) << c.key;
            EXPECT_EQ(glo::UNIK.toInt(), 9);
            // TASKBOL holds the scheme name the picker wrote, on either path.
            PLAY(h->expectValue("?TASKBOL", diagnostic ? "Туберкулинизация" : "Ящур"));
            // The register shows the animal it showed before, with its own species, not the scheme's.
            EXPECT_EQ(list("?LIST:2").current(), 5);
            PLAY(h->expectValue("?IDANIM", "Q6"));
            PLAY(h->expectValue("?ANI:NAME", "Свиньи"));
            EXPECT_EQ(glo::IDVIDANIM.value(), Decimal(2));
            setMarks(kBefore);
        }
    }
}

TEST_F(PlanStatusRegisterTest, APreventiveModeMarksOnlyAfterTheChoiceInThatRunOfThePicker) {
    PLAY(h->start("Browsehoz"));
    glo::IDBOL = 5;  // a choice of an earlier run
    glo::IDVIDANIM = 1;
    PLAY(h->key("?LIST:2", "Alt+Z"));
    PLAY(pick("BrwtaskVPO", false));
    PLAY(h->expectNoMessage());
    EXPECT_EQ(marks(), kBefore);
    PLAY(h->choose("?VUDELIT", entry(18)));
    PLAY(h->expectWindow("BrwtaskVPO"));
    PLAY(h->close());
    PLAY(h->expectNoMessage());
    EXPECT_EQ(marks(), kBefore);
    PLAY(h->expectWindow("Browsehoz"));
}

TEST_F(PlanStatusRegisterTest, APreventiveModeMarksByTheChosenSchemeNotARowHighlightedAfterIt) {
    addScheme(false, 7, 2, "Чума свиней");
    PLAY(h->start("Browsehoz"));
    const struct {
        const char* key;
        const char* message;
        const char* after;
    } cases[] = {
        {"Alt+Z", "Незапланировано профилактическое мероприятие", "100010011"},
        {"Shift+Z", "Запланировано профилактическое мероприятие", "011110000"},
    };
    for (const auto& c : cases) {
        PLAY(h->key("?LIST:2", c.key));
        PLAY(h->expectWindow("BrwtaskVPO"));
        PLAY(h->select("?BROWSE:1", 1));  // 5.0 of species 1
        PLAY(h->press("?SELECT"));
        PLAY(h->select("?BROWSE:1", 3));  // 7.0 of species 2
        PLAY(h->close());
        PLAY(h->expectMessage(c.message, "Отметка животных завершена!"));
        EXPECT_EQ(marks(), c.after) << c.key;
        EXPECT_EQ(glo::IDBOL.value(), Decimal(5));
        setMarks(kBefore);
    }
}

TEST_F(PlanStatusRegisterTest, ADiagnosticModeTakesTheMeasureThePickerLastHighlighted) {
    PLAY(h->start("Browsehoz"));
    PLAY(h->key("?LIST:2", "Shift+X"));
    PLAY(h->expectWindow("BrwtaskVDI"));
    // The picker runs on the register's thread, which waits for it.
    EXPECT_EQ(h->windowsOf("BrwtaskVDI")[0]->thread(), h->windowsOf("Browsehoz")[0]->thread());
    PLAY(h->select("?BROWSE:1", 2));  // 6.0: passports 7 and 8 have it, 7 in another holding
    PLAY(h->close());
    PLAY(h->expectMessage("Запланировано диагностическое мероприятие", "Отметка животных завершена!"));
    EXPECT_EQ(marks(), "000010010");
    PLAY(h->expectValue("?TASKBOL", "Лейкоз"));
}

}  // namespace
}  // namespace vx::registry::testing
