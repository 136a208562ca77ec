#include <iterator>
#include <string>
#include <vector>

#include "dictionary/book_columns.h"
#include "dictionary/names.h"
#include "planning/measure_kinds.h"
#include "planning/schemes/scheme_list_window.h"
#include "planning/schemes/scheme_record.h"
#include "planning/schemes/schemes_layouts.h"
#include "planning/schemes/schemes_windows.h"
#include "planning/stage.h"
#include "platform/classes/calendar.h"
#include "platform/classes/file_drop.h"
#include "platform/classes/form_manager.h"
#include "windows/run_window.h"

namespace vx::planning::schemes {

namespace {

using namespace dct;
using classes::Level;

void applyStageDefaults(const SchemeFields& f) {
    planning::applyStageDefaults(f.id.value(), f.heads, f.treatments);
    planning::applyStageDefaults(f.id.value(), f.youngHeads, f.youngTreatments);
}

class SchemeFormWindow : public classes::FormManager {
public:
    SchemeFormWindow(ui::Window& w, const SchemeBook& k) : classes::FormManager(w, *k.relate), k_(k) {
        const SchemeFieldNames& n = k.fields;
        addFile(*Relate::ANIMVID);
        setFirstField(k.speciesComboFirst ? "?ANI:NAME" : k.control(n.id));
        const char* history[] = {n.id,         n.name,      n.days,       n.heads,           n.treatments,
                                 n.fixedDate,  n.youngDays, n.youngHeads, n.youngTreatments, n.youngFixedDate,
                                 n.description};
        for (const char* field : history) addHistoryField(k.control(field), field);
        setStatusTexts("View Record", "Добавить запись", "Изменить запись");
        std::vector<std::string> entries;  // every entry but the description box (last)
        for (std::size_t i = 0; i + 1 < std::size(history); ++i) entries.push_back(k.control(history[i]));
        setViewLocks(entries, {"?CALENDAR", "?CALENDAR:2", "?ANI:NAME"});
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        const SchemeFields f = k_.buffered();
        Species.Init(as<ui::DropControl>("?ANI:NAME"), *Access::ANIMVID, *this);
        addColumns(Species, speciesDropColumns());
        Species.addUpdateField(*Access::ANIMVID, "IDANIM", f.species);
        MainDate.Init(*this, "?CALENDAR", k_.control(k_.fields.fixedDate), f.fixedDate, "Дата мероприятия");
        YoungDate.Init(*this, "?CALENDAR:2", k_.control(k_.fields.youngFixedDate), f.youngFixedDate,
                       "Дата мероприятия");
        return Level::Benign;
    }

    // The combo shows the scheme's own species.
    void Reset(bool force) override {
        if (!acceptingAll()) {
            ANI->IDANIM = k_.buffered().species;
            Fetch(ANI_K1);
        }
        classes::FormManager::Reset(force);
    }

    // The defaults are shown at once, so what the form stores is what it shows:
    // the pass over every field at OK leaves the counts as the user last saw them.
    Level TakeFieldEvent() override {
        if (isField(k_.control(k_.fields.id)) && !acceptingAll()) {
            applyStageDefaults(k_.buffered());
            window().display();
        }
        return classes::FormManager::TakeFieldEvent();
    }

private:
    const SchemeBook& k_;
    classes::FileDropComboClass Species;
    classes::DateButton MainDate, YoungDate;
};

}  // namespace

void runSchemeForm(MeasureKind kind) {
    const SchemeBook& k = measureKind(kind).schemes;
    windows::runWindow<SchemeFormWindow>(k.formProcedure, [&k](ui::Window& w) { layoutSchemeForm(w, k); }, k);
}

void UpdatetaskVPO() { runSchemeForm(MeasureKind::Preventive); }
void UpdatetaskVDI() { runSchemeForm(MeasureKind::Diagnostic); }

}  // namespace vx::planning::schemes
