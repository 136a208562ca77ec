#include "context/current.h"
#include "dictionary/book_columns.h"
#include "dictionary/names.h"
#include "platform/classes/calendar.h"
#include "platform/classes/file_drop.h"
#include "platform/classes/form_history.h"
#include "platform/classes/form_manager.h"
#include "platform/core/dates.h"
#include "registry/forms/age.h"
#include "registry/forms/forms_layouts.h"
#include "registry/forms/forms_windows.h"
#include "windows/run_window.h"

namespace vx::registry {

namespace {

using namespace dct;
using classes::Level;

class UpdatepasportWindow : public classes::FormManager {
public:
    explicit UpdatepasportWindow(ui::Window& w) : classes::FormManager(w, *Relate::PASPORT) {
        setFirstField("?PAS:FIO");
        for (RelateRef file : {Relate::HOZ, Relate::FERMA, Relate::ANIMVID, Relate::POLVOZ}) addFile(*file);
        for (const char* field : {"FIO", "ADRES", "KORP", "GRUPPA", "NGRUPPA", "IDANIM", "KLICH", "PRICH", "DATAROG",
                                  "AKTNOMER", "AKTDATA", "CHEK", "OSNMOL", "PRIM"})
            addHistoryField(std::string("?PAS:") + field, field);
        setStatusTexts("View Record", "Добавить запись", "Изменить запись");
        setViewLocks({"?PAS:FIO", "?PAS:ADRES", "?PAS:KORP", "?PAS:GRUPPA", "?PAS:NGRUPPA", "?PAS:IDANIM", "?PAS:KLICH",
                      "?PAS:DATAROG", "?PAS:AKTNOMER", "?PAS:AKTDATA"},
                     {"?PAS:PRICH", "?ANI:NAME", "?POL:NAME", "?CALENDAR", "?CALENDAR:3"});
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        Species.Init(as<ui::DropControl>("?ANI:NAME"), *Access::ANIMVID, *this);
        Species.view().orderByKey(0);
        addColumns(Species, speciesDropColumns());
        Species.addUpdateField(*Access::ANIMVID, "IDANIM", PAS->VIDANIM);
        // The groups of the species chosen: another species gives its first group.
        Groups.Init(as<ui::DropControl>("?POL:NAME"), *Access::POLVOZ, *this);
        Groups.view().orderByKey(POL_K2.index);
        Groups.view().setRange({[] { return Value(Decimal(PAS->VIDANIM)); }});
        addColumns(Groups, sexAgeGroupColumns());
        Groups.addUpdateField(*Access::POLVOZ, "IDPOL", PAS->IDPOL);
        BirthDate.Init(*this, "?CALENDAR", "?PAS:DATAROG", PAS->DATAROG, "Дата рождения");
        ActDate.Init(*this, "?CALENDAR:3", "?PAS:AKTDATA", PAS->AKTDATA, "Дата акта выбытия");
        return Level::Benign;
    }

    // The names of the holding, farm, species and group follow the passport.
    void Reset(bool force = false) override {
        if (!acceptingAll()) {
            FER->IDHOZ = PAS->IDHOZ;
            FER->IDFERM = PAS->IDFERMA;
            Fetch(FER_K3);
            HOZ->IDHOZ = PAS->IDHOZ;
            Fetch(HOZ_K1);
            ANI->IDANIM = PAS->VIDANIM;
            Fetch(ANI_K1);
            POL->IDPOL = PAS->IDPOL;
            Fetch(POL_K1);
        }
        classes::FormManager::Reset(force);
    }

    Level TakeFieldEvent() override {
        const ui::EventKind kind = event().kind;
        if (isField("?ANI:NAME") && (kind == ui::EventKind::NewSelection || kind == ui::EventKind::Accepted))
            glo::leaveAnimal({.species = PAS->VIDANIM});
        return classes::FormManager::TakeFieldEvent();
    }

    // Every event of the birth date or its calendar derives the age, after the
    // calendar has put its date in.
    Level TakeEvent() override {
        const Level level = classes::FormManager::TakeEvent();
        if (level == Level::Benign && (isField("?PAS:DATAROG") || isField("?CALENDAR"))) {
            const Age age = AgeIntoWorkValues(PAS->DATAROG, clock::today());
            PAS->VOZRASTG = age.years;
            PAS->VOZRASTM = age.months;
            PAS->VOZRASTD = age.days;
            window().display();
        }
        return level;
    }

protected:
    // The combos show names of other files: Ctrl+H recalls the species or group
    // number the last saved passport had, and the names follow it.
    void restoreField(ui::ControlId control) override {
        const auto* saved = static_cast<const PASPORTRecord*>(classes::savedHistory(procedure()));
        if (saved && control == id("?ANI:NAME")) PAS->VIDANIM = saved->VIDANIM;
        else if (saved && control == id("?POL:NAME")) PAS->IDPOL = saved->IDPOL;
        else return classes::FormManager::restoreField(control);
        Reset(true);
        window().display();
    }

private:
    classes::FileDropComboClass Species, Groups;
    classes::DateButton BirthDate, ActDate;
};

}  // namespace

void Updatepasport() { windows::runWindow<UpdatepasportWindow>("Updatepasport", layoutUpdatepasport); }

}  // namespace vx::registry
