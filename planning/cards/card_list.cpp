#include "context/current.h"
#include "dictionary/names.h"
#include "planning/cards/card_list_window.h"
#include "planning/cards/card_plan.h"
#include "planning/cards/cards_layouts.h"
#include "planning/cards/cards_windows.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::planning::cards {

namespace {

using namespace dct;
using classes::Level;

class CardListWindow : public windows::StartFolderWindow {
public:
    CardListWindow(ui::Window& w, MeasureKind kind) : windows::StartFolderWindow(w), m_(measureKind(kind)), c_(m_.cards) {
        addFile(*c_.cardRelate);
        addFile(*c_.lineRelate);
        addFile(*Relate::ANIMVID);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, [kind] { runCardForm(kind); });
        setUpdateProcedure(2, [kind] { runCardLineForm(kind); });
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        // Cards change through their buttons alone.
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *c_.cardRelate, *this);
        BRW1.view().join(*Access::ANIMVID, ANI_K1.index, {"VIDANIM"});
        BRW1.addSortOrder(c_.cardIdKey, &BRW1_locator);
        addColumns(BRW1, cardListColumns(m_.kind));
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
        BRW1.setEditKeys(false);
        BRW1_columns.Init(BRW1, *this);
        // The lines of the highlighted card; a new line belongs to it.
        BRW2.Init(as<ui::ListControl>("?LIST"), *c_.lineRelate, *this);
        BRW2.addSortOrder(c_.lineCardKey);
        BRW2.addRangeToParent(*c_.cardAccess, {"IDKARTIP"});
        addColumns(BRW2, cardLineColumns(m_.kind));
        BRW2.setUpdateProcedure(2);
        BRW2.setUpdateControls("?INSERT", "?CHANGE", "?DELETE");
        BRW2_columns.Init(BRW2, *this);
        return Level::Benign;
    }

    Level TakeFieldEvent() override {
        if (isField("?BROWSE:1") && BRW1.highlighted() >= 0) {
            glo::leaveChosenMeasure({.card = c_.card().IDKARTIP});
            glo::leaveAnimal({.species = c_.card().VIDANIM});
        }
        if (isField("?BUTTON7") && event().kind == ui::EventKind::Selected) planTheCard();
        return windows::StartFolderWindow::TakeFieldEvent();
    }

private:
    // The card highlighted here now, whatever card another card window left in IDKARTIP;
    // with no card there, no line plans anything and the message says so as ever.
    void planTheCard() {
        const Decimal card = BRW1.highlighted() >= 0 ? Decimal(c_.card().IDKARTIP) : Decimal();
        reportCardPlan(m_.kind, planCard(m_.kind, card));
    }

    const MeasureKindRow& m_;
    const CardBook& c_;
    classes::BrowseClass BRW1, BRW2;
    classes::StepLocator BRW1_locator;
    windows::ListColumns BRW1_columns, BRW2_columns;
};

}  // namespace

void runCardList(MeasureKind kind) {
    windows::runWindow<CardListWindow>(
        measureKind(kind).cardListProcedure, [kind](ui::Window& w) { layoutCardList(w, kind); }, kind);
}

void BrowseTKvdi() { runCardList(MeasureKind::Diagnostic); }
void BrowseTKvpo() { runCardList(MeasureKind::Preventive); }

}  // namespace vx::planning::cards
