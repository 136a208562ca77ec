#include <gtest/gtest.h>

#include "app/globals.h"
#include "platform/ui/list_control.h"
#include "registry/register/tests/register_fixture.h"

namespace vx::registry::testing {
namespace {

constexpr const char* kAllLists[] = {"?BROWSE:1", "?LIST", "?LIST:2", "?LIST:3", "?LIST:4"};

// The names of the first column's cells whose background is `stripe`.
Lines striped(const ui::ListModel& list, const char* stripe) {
    Lines out;
    for (int r = 0; r < list.rowCount(); ++r)
        if (list.cell(r, 0).look.colours.background == ui::colourFromHex(stripe)) out.push_back(list.cellText(r, 0));
    return out;
}

TEST_F(RegisterTest, StripesFollowThePositionOnThePageNotTheRecord) {
    for (int id = 1; id <= 10; ++id) addHolding(id, "Х" + std::to_string(id));
    for (int id = 1; id <= 3; ++id) addFarm(1, id, "Ф" + std::to_string(id));
    PLAY(h->start("Browsehoz"));
    EXPECT_EQ(striped(list("?BROWSE:1"), "#F2FFFB"), (Lines{"2", "4", "6", "8"}));
    EXPECT_EQ(striped(list("?LIST"), "#ECF5FD"), (Lines{"2"}));
    for (int c = 0; c < 3; ++c) EXPECT_EQ(list("?LIST").cell(1, c).look.colours.background, ui::colourFromHex("#ECF5FD"));

    // One row further than the page: every record moves up one position and changes its stripe.
    PLAY(h->key("?BROWSE:1", "Down Down Down Down Down Down Down Down"));
    EXPECT_EQ(list("?BROWSE:1").cellText(0, 0), "2");
    EXPECT_EQ(striped(list("?BROWSE:1"), "#F2FFFB"), (Lines{"3", "5", "7", "9"}));
}

TEST_F(RegisterTest, TheAnimalTooltipFollowsTheCardSwitchAtTheListsNextEvent) {
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1", [] { dct::PAS->FIO = "Иванов"; });
    addPassport(1, 1, 2, "A-2");
    glo::CHEKTIP = 0;
    PLAY(h->start("Browsehoz"));
    const ui::Control& animals = *h->find("?LIST:2");
    EXPECT_EQ(animals.tooltip(), "Список животных: [Первое] [Луговая]\n\n[Выбрать любую колонку для сортировки]");

    glo::CHEKTIP = 1;
    EXPECT_EQ(animals.tooltip().find("Оперативный"), std::string::npos) << "changed before an event";
    PLAY(h->click("?LIST:2", 1));
    EXPECT_EQ(animals.tooltip().rfind("Оперативный паспорт животного\r\n\r\n[Уникальный №]    1\r\n", 0), 0u)
        << animals.tooltip();
    EXPECT_NE(animals.tooltip().find("[Владелец животного]    ИВАНОВ"), std::string::npos) << animals.tooltip();

    glo::CHEKTIP = 0;
    PLAY(h->click("?LIST:2", 2));
    EXPECT_EQ(animals.tooltip().rfind("Список животных: [Первое] [Луговая]", 0), 0u) << animals.tooltip();
}

TEST_F(RegisterTest, TheSpinBoxSetsFontSizeAndLineHeightOfAllFiveLists) {
    PLAY(h->start("Browsehoz"));
    for (const char* name : kAllLists) EXPECT_EQ(list(name).lineHeight(), 14) << name;
    for (auto [typed, height] : {std::pair{"4", 8}, std::pair{"14", 18}}) {
        PLAY(h->type("?SPIW", typed));
        for (const char* name : kAllLists) {
            EXPECT_EQ(list(name).lineHeight(), height) << name << " at " << typed;
            EXPECT_EQ(list(name).font().size, height - 4) << name << " at " << typed;
        }
    }
}

TEST_F(RegisterTest, TheFontChecksSetWeightAndSlantOfAllFiveLists) {
    glo::FONTG = 0;
    glo::FONTN = 0;
    PLAY(h->start("Browsehoz"));
    struct Step {
        const char* check;
        int weight;
        bool italic;
    } steps[] = {
        {"?FONTN", ui::kNormalWeight, true},
        {"?FONTG", ui::kBoldWeight, true},
        {"?FONTN", ui::kBoldWeight, false},
        {"?FONTG", ui::kNormalWeight, false},
    };
    for (const Step& s : steps) {
        PLAY(h->press(s.check));
        for (const char* name : kAllLists) {
            EXPECT_EQ(list(name).font().weight, s.weight) << name << " after " << s.check;
            EXPECT_EQ(list(name).font().italic, s.italic) << name << " after " << s.check;
            EXPECT_EQ(list(name).font().name, "Times New Roman CYR") << name;
        }
    }
}

}  // namespace
}  // namespace vx::registry::testing
