#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/cards/card_list_window.h"
#include "planning/cards/cards_layouts.h"
#include "planning/cards/cards_windows.h"
#include "platform/classes/file_drop.h"
#include "platform/classes/form_manager.h"
#include "windows/run_window.h"

namespace vx::planning::cards {

namespace {

using namespace dct;
using classes::Level;

// A card: its species, its name and its description. The species list opens on
// the species in the thread's species buffer (the card highlighted in the list)
// and leaves the chosen one in IDVIDANIM for the line form.
class CardFormWindow : public classes::FormManager {
public:
    CardFormWindow(ui::Window& w, const CardBook& c) : classes::FormManager(w, *c.cardRelate), c_(c) {
        addFile(*Relate::ANIMVID);
        setFirstField(c.cardControl("IDKARTIP"));
        for (const char* field : {"IDKARTIP", "NAME", "PRIM"}) addHistoryField(c.cardControl(field), field);
        setStatusTexts("View Record", "Добавить запись", "Изменить запись");
        setViewLocks({c.cardControl("IDKARTIP"), c.cardControl("NAME")}, {"?ANI:NAME"});
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        Species.Init(as<ui::DropControl>("?ANI:NAME"), *Access::ANIMVID, *this);
        addColumns(Species, c_.speciesColumns());
        Species.addUpdateField(*Access::ANIMVID, "IDANIM", c_.card().VIDANIM);
        Species.addUpdateField(*Access::ANIMVID, "IDANIM", glo::IDVIDANIM);
        return Level::Benign;
    }

private:
    const CardBook& c_;
    classes::FileDropClass Species;
};

}  // namespace

void runCardForm(MeasureKind kind) {
    const CardBook& c = measureKind(kind).cards;
    windows::runWindow<CardFormWindow>(c.cardForm, [kind](ui::Window& w) { layoutCardForm(w, kind); }, c);
}

void Updatekartip() { runCardForm(MeasureKind::Diagnostic); }
void UpdatePKARTIP() { runCardForm(MeasureKind::Preventive); }

}  // namespace vx::planning::cards
