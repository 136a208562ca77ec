#include <gtest/gtest.h>

#include "context/globals.h"
#include "platform/core/dates.h"
#include "platform/ui/list_control.h"
#include "registry/register/tests/register_fixture.h"

namespace vx::registry::testing {
namespace {

using namespace dct;

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
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(list("?LIST").cell(1, c).look.colours.background, ui::colourFromHex("#ECF5FD"));

    // One row further than the page: every record moves up one position and changes its stripe.
    PLAY(h->key("?BROWSE:1", "Down Down Down Down Down Down Down Down"));
    EXPECT_EQ(list("?BROWSE:1").cellText(0, 0), "2");
    EXPECT_EQ(striped(list("?BROWSE:1"), "#F2FFFB"), (Lines{"3", "5", "7", "9"}));
}

// A look as "text/background/selected text/selected background icon style", "-" for no colour.
std::string lookOf(const ui::CellLook& l) {
    const auto hex = [](ui::Colour c) {
        if (c == ui::kNoColour) return std::string("-");
        char out[16];  // any 32-bit value fits
        std::snprintf(out, sizeof out, "#%06X", static_cast<unsigned>(c));
        return std::string(out);
    };
    return hex(l.colours.text) + "/" + hex(l.colours.background) + "/" + hex(l.colours.selectedText) + "/" +
           hex(l.colours.selectedBackground) + " " + std::to_string(l.icon) + " " + std::to_string(l.style);
}

class RowLooksTest : public RegisterTest {
protected:
    // Rows and columns count from 1, as displayed.
    std::string look(const char* list, int row, int column) {
        const std::optional<ui::CellLook> l = h->cellLook(list, row, column);
        return l ? lookOf(*l) : "none";
    }
    const int32_t today = makeDate(6, 10, 2025);
};

TEST_F(RowLooksTest, AnimalRowsShowMarksYoungStockAndDisposal) {
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1", [] { PAS->CHEK = 1; });
    addPassport(1, 1, 2, "A-2", [] { PAS->OSNMOL = 1; });
    addPassport(1, 1, 3, "A-3", [] { PAS->AKTNOMER = "12"; });
    addPassport(1, 1, 4, "A-4", [] { PAS->PRICH = "Несанкцион"; });
    PLAY(h->start("Browsehoz"));
    struct Case {
        int row, column;
        const char* look;
    } cases[] = {
        {1, 1, "-/#ECF5FD/-/#EDFFEA 1 0"},  // marked
        {2, 1, "-/#ECF5FD/-/#EDFFEA 0 0"},
        {1, 2, "-/-/-/- 0 0"},
        {2, 2, "-/-/-/- 2 0"},        // young stock
        {3, 2, "-/-/-/- 0 1"},        // disposal act
        {4, 2, "-/-/-/- 0 4"},        // unsanctioned, no act
        {1, 3, "-/-/-/#EDFFEA 0 0"},  // owner
        {1, 4, "-/-/-/#EDFFEA 0 0"},  // address
        {1, 5, "-/-/-/- 0 0"},
        {1, 13, "-/#ECF5FD/-/#EDFFEA 0 3"},  // unique number
    };
    for (const Case& c : cases) EXPECT_EQ(look("?LIST:2", c.row, c.column), c.look) << c.row << ":" << c.column;
}

TEST_F(RowLooksTest, MeasureRowsShowOverdueDoneAndReaction) {
    fixToday(today);
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1");
    const int32_t past = today - 1;
    addPreventive(1, 1, 1, [&] {
        VPO->IDTASK = 1;
        VPO->DATATASK = past;
    });
    addPreventive(1, 1, 1, [&] {
        VPO->IDTASK = 2;
        VPO->DATATASK = past;
        VPO->AKTDATA = today;
        VPO->AKTNOMER = "7/б";
    });
    addPreventive(1, 1, 1, [&] {
        VPO->IDTASK = 3;
        VPO->DATATASK = today;
    });
    addDiagnostic(1, 1, 1, [&] {
        VDI->IDTASK = 1;
        VDI->DATATASK = past;
        VDI->REAKCIA = 1;
    });
    addDiagnostic(1, 1, 1, [&] {
        VDI->IDTASK = 2;
        VDI->DATATASK = past;
        VDI->DEKSP = today;
    });
    PLAY(h->start("Browsehoz"));
    const std::string overdue = "#FF8080/-/#FF8080/- 0 0";
    EXPECT_EQ(look("?LIST:3", 1, 1), overdue);
    EXPECT_EQ(look("?LIST:3", 2, 1), "-/-/-/- 1 0");
    EXPECT_EQ(look("?LIST:3", 3, 1), "-/-/-/- 0 0");
    EXPECT_EQ(look("?LIST:3", 1, 8), "-/#DBECFB/-/- 0 0");
    // An act number that is not plain digits shows as the number it starts with.
    EXPECT_EQ(h->row("?LIST:3", 2)->at(4), "7");

    EXPECT_EQ(look("?LIST:4", 1, 1), overdue);
    EXPECT_EQ(look("?LIST:4", 1, 2), overdue);  // positive reaction
    EXPECT_EQ(look("?LIST:4", 2, 1), "-/-/-/- 1 0");
    EXPECT_EQ(look("?LIST:4", 2, 2), "-/-/-/- 0 0");
    EXPECT_EQ(look("?LIST:4", 1, 7), "-/#DBECFB/-/- 0 0");
}

TEST_F(RegisterTest, TheHighlightCoversTheRowOnlyWithTheStripeSwitchOn) {
    addHolding(1, "Первое");
    addFarm(1, 1, "Луговая");
    addPassport(1, 1, 1, "A-1");
    addPassport(1, 1, 2, "A-2");
    glo::POLOSA = 1;
    PLAY(h->start("Browsehoz"));
    const auto& animals = dynamic_cast<const ui::ListControl&>(*h->find("?LIST:2"));
    EXPECT_TRUE(animals.wholeRowHighlight());
    glo::POLOSA = 0;
    PLAY(h->key("?LIST:2", "Down"));
    EXPECT_FALSE(animals.wholeRowHighlight());
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
    // Every value at its field's full width, upper-cased.
    for (const std::string& line :
         {"[Инвентарный №]    A-1" + std::string(12, ' '), "[Владелец животного]    ИВАНОВ" + std::string(34, ' '),
          "[Адрес]    " + std::string(40, ' '), "[Кличка]    " + std::string(12, ' ')})
        EXPECT_NE(animals.tooltip().find(line + "\r\n"), std::string::npos) << line << "\n" << animals.tooltip();

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
