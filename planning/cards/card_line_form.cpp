#include <optional>
#include <string>
#include <vector>

#include "context/current.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/cards/card_list_window.h"
#include "planning/cards/cards_layouts.h"
#include "planning/cards/cards_windows.h"
#include "planning/stage.h"
#include "platform/classes/calendar.h"
#include "platform/classes/file_drop.h"
#include "platform/classes/form_manager.h"
#include "platform/expr/bindings.h"
#include "windows/run_window.h"

namespace vx::planning::cards {

namespace {

using namespace dct;
using classes::Level;

// The species of a card; nullopt when there is no such card.
std::optional<Decimal> speciesOfCard(const CardBook& c, const Decimal& card) {
    store::ScanSpec byId;
    byId.keyIndex = c.cardIdKey;
    byId.equal = {Value(card)};
    byId.limit = 1;
    std::optional<Decimal> species;
    if (c.cardAccess->useFile() != Level::Benign) return species;
    c.cardAccess->table().scan(byId, [&](store::Position, const void* stored) {
        species = static_cast<const CardRecord*>(stored)->VIDANIM.value();
        return false;
    });
    return species;
}

// One line of a card: a scheme of the line's species with the plan values the
// card planning copies. The species list offers every species; the measure list
// the schemes of the line's species, which a new line takes from its card.
class CardLineFormWindow : public classes::FormManager {
public:
    CardLineFormWindow(ui::Window& w, const MeasureKindRow& m)
        : classes::FormManager(w, *m.cards.lineRelate), m_(m), c_(m.cards),
          measure_(m.schemes.control(m.schemes.fields.name)) {
        addFile(*m.schemes.relate);
        addFile(*Relate::ANIMVID);
        addFile(*c_.cardRelate);  // the card whose species the line takes
        setFirstField(c_.lineControl("IDKARTIP"));
        std::vector<std::string> entries;
        for (const char* field : {"IDKARTIP", "IDTASK", "VIDANIM", "DNEY", "GLPLAN", "GOPLAN", "TASKDATA"}) {
            addHistoryField(c_.lineControl(field), field);
            entries.push_back(c_.lineControl(field));
        }
        setStatusTexts(c_.lineViewStatus, "Добавить запись", "Изменить запись");
        setViewLocks(entries, {measure_, "?ANI:NAME", "?CALENDAR"});
        names_.bind("idvidanim", [] { return Value(Decimal(glo::IDVIDANIM)); });
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        CardLineRecord& r = c_.line();
        // The line's own species, or its card's for a new line, not whatever another window left in IDVIDANIM.
        const std::optional<Decimal> cardSpecies = speciesOfCard(c_, r.IDKARTIP);
        if (request() == rt::request::Insert && cardSpecies) r.VIDANIM = *cardSpecies;
        if (!Decimal(r.VIDANIM).isZero()) glo::leaveAnimal({.species = r.VIDANIM});
        else if (cardSpecies) glo::leaveAnimal({.species = *cardSpecies});
        const SchemeBook& s = m_.schemes;
        data::FileManager& schemes = *s.access;
        // Matched by the line's own name: a scheme whose name is longer than the
        // line keeps is not matched, so the line opened for a change stays as it is.
        shownMeasure_ = r.NAME.str();
        as<ui::DropControl>(measure_).bind(shownMeasure_);
        Measure.Init(as<ui::DropControl>(measure_), schemes, *this);
        Measure.setFilter(c_.measureFilter, &names_);
        addColumns(Measure, c_.measureColumns());
        Measure.addUpdateField(schemes, s.fields.id, r.IDTASK);
        Measure.addUpdateField(schemes, s.fields.name, r.NAME);
        Measure.addUpdateField(schemes, "IDPREPARAT", r.IDPREPARAT);
        Measure.addUpdateField(schemes, "NORMA", r.NORMA);
        Measure.addUpdateField(schemes, s.fields.name, shownMeasure_);
        Species.Init(as<ui::DropControl>("?ANI:NAME"), *Access::ANIMVID, *this);
        addColumns(Species, c_.speciesColumns());
        Species.addUpdateField(*Access::ANIMVID, "IDANIM", r.VIDANIM);
        Species.addUpdateField(*Access::ANIMVID, "IDANIM", glo::IDVIDANIM);
        Date.Init(*this, "?CALENDAR", c_.lineControl("TASKDATA"), r.TASKDATA, "Дата мероприятия");
        return Level::Benign;
    }

    // The species list shows the line's own species; a measure the refill took
    // (the first scheme of a new line) brings its stage defaults with it.
    void Reset(bool force) override {
        CardLineRecord& r = c_.line();
        const Decimal before = r.IDTASK;
        if (!acceptingAll()) {
            ANI->IDANIM = r.VIDANIM;
            Fetch(ANI_K1);
        }
        classes::FormManager::Reset(force);
        if (!acceptingAll() && Decimal(r.IDTASK) != before) applyStageDefaults(r.IDTASK, r.GLPLAN, r.GOPLAN);
    }

    // A species typed by its number is the line's species as one chosen from the list is.
    Level TakeAccepted() override {
        if (isField(c_.lineControl("VIDANIM")) && !acceptingAll()) {
            glo::leaveAnimal({.species = c_.line().VIDANIM});
            Reset(false);
        }
        return classes::FormManager::TakeAccepted();
    }

    // Every event of the measure list sets the stage defaults, shown at once, so
    // OK's pass over every field stores the counts as the user last saw them.
    Level TakeFieldEvent() override {
        if (isField(measure_) && !acceptingAll()) {
            CardLineRecord& r = c_.line();
            applyStageDefaults(r.IDTASK, r.GLPLAN, r.GOPLAN);
            window().display();
        }
        return classes::FormManager::TakeFieldEvent();
    }

private:
    const MeasureKindRow& m_;
    const CardBook& c_;
    const std::string measure_;  // the measure list's control
    Str shownMeasure_{36};
    expr::Bindings names_;
    classes::FileDropClass Measure, Species;
    classes::DateButton Date;
};

}  // namespace

void runCardLineForm(MeasureKind kind) {
    const MeasureKindRow& m = measureKind(kind);
    windows::runWindow<CardLineFormWindow>(
        m.cards.lineForm, [kind](ui::Window& w) { layoutCardLineForm(w, kind); }, m);
}

void UpdateTKvdi() { runCardLineForm(MeasureKind::Diagnostic); }
void UpdateTKvpo() { runCardLineForm(MeasureKind::Preventive); }

}  // namespace vx::planning::cards
