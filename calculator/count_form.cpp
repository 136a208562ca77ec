#include <string>
#include <vector>

#include "calculator/calculator_layouts.h"
#include "calculator/calculator_windows.h"
#include "calculator/count_kinds.h"
#include "dictionary/names.h"
#include "planning/stage.h"
#include "platform/classes/calendar.h"
#include "platform/classes/file_drop.h"
#include "platform/classes/form_manager.h"
#include "platform/classes/select_file.h"
#include "platform/core/picture.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/dialogs.h"
#include "windows/run_window.h"

namespace vx::calculator {

namespace {

using namespace dct;
using classes::Level;

// The parts of a two-stage measure stand out in the measure drop list.
class MeasureDrop : public classes::FileDropComboClass {
public:
    explicit MeasureDrop(const CountKind& k) : k_(k) {}
    void SetQueueRecord() override {
        classes::FileDropComboClass::SetQueueRecord();
        cellLook(0).style = planning::isTwoStage(planning::stageOf(k_.schemeIdOf())) ? 1 : 0;
    }

private:
    const CountKind& k_;
};

ui::ListStyle twoStageStyle() {
    const ui::Colour orange = ui::colourFromHex("#FF8000");
    return {ui::FontSpec{"Arial Cyr", 8, ui::kNormalWeight}, ui::Colours{orange, ui::kNoColour, orange, ui::kNoColour}};
}

bool farmExists(const Decimal& holding, const Decimal& farm) {
    store::ScanSpec spec;
    spec.keyIndex = FER_K3.index;
    spec.equal = {Value(holding), Value(farm)};
    spec.limit = 1;
    bool found = false;
    Access::FERMA->table().scan(spec, [&](store::Position, const void*) {
        found = true;
        return false;
    });
    return found;
}

class CountFormWindow : public classes::FormManager {
public:
    CountFormWindow(ui::Window& w, const CountKind& k) : classes::FormManager(w, *k.relate), k_(k), Measure(k) {
        for (RelateRef file : {Relate::ANIMVID, Relate::POLVOZ, k.schemes().relate, Relate::FERMA, Relate::HOZ})
            addFile(*file);
        setFirstField(k.statusFirst ? k.control("CHPLAN") : k.control("VIDANIM"));
        for (const char* field : editedFields()) addHistoryField(k.control(field), field);
        setStatusTexts("View Record", "Добавить запись", "Редактировать запись");
        std::vector<std::string> locked;
        for (const char* field : editedFields()) locked.push_back(k.control(field));
        std::vector<std::string> disabled{"?ANI:NAME", "?POL:NAME", k.schemeControl("NAME"), "?CALENDAR",
                                          "?CALENDAR:2", "?CALENDAR:3", "?LOOKUPFILE", "?LOOKUPFILE:2",
                                          k.doneCalendar};
        if (k.expertise())
            for (const char* c : {"?CALENDAR:4", "?LOOKUPFILE:3"}) disabled.push_back(c);
        setViewLocks(std::move(locked), std::move(disabled));
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        CountRecord& r = k_.record();
        const auto ofTheSpecies = [] { return Value(Decimal(ANI->IDANIM)); };
        Species.Init(as<ui::DropControl>("?ANI:NAME"), *Access::ANIMVID, *this);
        Species.view().orderByKey(ANI_K1.index);
        Species.addField(*Access::ANIMVID, "NAME");
        Species.addField(*Access::ANIMVID, "IDANIM");
        Species.addUpdateField(*Access::ANIMVID, "IDANIM", r.VIDANIM);
        Group.Init(as<ui::DropControl>("?POL:NAME"), *Access::POLVOZ, *this);
        Group.view().orderByKey(POL_K2.index);
        Group.view().setRange({ofTheSpecies});
        for (const char* field : {"NAME", "IDPOL", "IDVIDANIM"}) Group.addField(*Access::POLVOZ, field);
        Group.addUpdateField(*Access::POLVOZ, "IDPOL", r.IDPOL);
        data::FileManager& schemes = *k_.schemes().access;
        Measure.Init(as<ui::DropControl>(k_.schemeControl("NAME")), schemes, *this);
        Measure.view().orderByKey(k_.schemeBySpecies);
        Measure.view().setRange({ofTheSpecies});
        Measure.addField(schemes, "NAME");
        Measure.addField(schemes, k_.schemes().fields.id);
        Measure.addUpdateField(schemes, k_.schemes().fields.id, r.IDTASK);
        Measure.drop().change().setStyle(1, twoStageStyle());
        initDate(0, k_.doneCalendar, "DATAVUP", r.DATAVUP, "Дата, выполнено");
        initDate(1, "?CALENDAR", "DATATASK", r.DATATASK, "Дата мероприятия");
        initDate(2, "?CALENDAR:2", "DVED", r.DVED, k_.statementDateTitle);
        initDate(3, "?CALENDAR:3", "AKTDATA", r.AKTDATA, "Дата акта");
        initFile(0, "?LOOKUPFILE", r.PUTVPDOC, k_.statementFileTitle);
        initFile(1, "?LOOKUPFILE:2", r.PUTAKTDOC, "Файл акта");
        if (k_.expertise()) {
            initDate(4, "?CALENDAR:4", "DEKSP", r.DEKSP, "Дата экспертизы");
            initFile(2, "?LOOKUPFILE:3", r.PUTEXPDOC, "Файл эксертизы");
        }
        species_ = r.VIDANIM;
        showStatusSets();
        return Level::Benign;
    }

    // The names shown are those of the record's measure, farm, species and group.
    void Reset(bool force) override {
        CountRecord& r = k_.record();
        if (!acceptingAll()) {
            k_.fetchScheme(r.IDTASK);
            FER->IDHOZ = r.IDHOZ;
            FER->IDFERM = r.IDFERMA;
            Fetch(FER_K3);
            ANI->IDANIM = r.VIDANIM;
            Fetch(ANI_K1);
            POL->IDPOL = r.IDPOL;
            Fetch(POL_K1);
        }
        classes::FormManager::Reset(force);
        // Another species' group or measure never stays with a species that has none.
        if (Decimal(r.VIDANIM) != species_) {
            species_ = r.VIDANIM;
            if (Group.drop().model().rowCount() == 0) {
                r.IDPOL = 0;
                POL->NAME = "";
            }
            if (Measure.drop().model().rowCount() == 0) {
                r.IDTASK = 0;
                k_.schemeName() = "";
            }
            window().display();
        }
    }

    Level TakeFieldEvent() override {
        const ui::EventKind kind = event().kind;
        const bool statusEvent = kind == ui::EventKind::Accepted || kind == ui::EventKind::Selected;
        if (statusEvent && (isField(k_.control("CHPLAN")) || isField(k_.control("CHVUP")))) {
            window().update(field());
            applyStatusRule(isField(k_.control("CHPLAN")));
        }
        return classes::FormManager::TakeFieldEvent();
    }

    // A holding and farm typed in must name a farm of that holding, or the record would be in no list.
    Level TakeCompleted() override {
        if (request() == rt::request::Insert || request() == rt::request::Change) {
            window().update();
            const CountRecord& r = k_.record();
            if (!farmExists(r.IDHOZ, r.IDFERMA)) {
                ui::messageBox("Ферма не найдена", "В хозяйстве " + Decimal(r.IDHOZ).plain() + " нет фермы " +
                                                       Decimal(r.IDFERMA).plain() +
                                                       ". Укажите хозяйство и ферму из списков калькулятора.");
                window().select(id(k_.control("IDFERMA")));
                return Level::Benign;
            }
        }
        return classes::FormManager::TakeCompleted();
    }

private:
    std::vector<const char*> editedFields() const {
        std::vector<const char*> f{"VIDANIM", "IDPOL",    "IDTASK", "DATAVUP",  "GLPVUP",  "DATATASK", "GLVUP"};
        if (k_.reactions) f.insert(f.end(), {"GLVUPOTR", "GLVUPPOL"});
        f.insert(f.end(), {"DVED", "PUTVPDOC", "AKTNOMER", "AKTDATA", "PUTAKTDOC"});
        if (k_.expertise()) f.insert(f.end(), {"NEKSP", "DEKSP", "PUTEXPDOC"});
        f.insert(f.end(), {"NVED", "IDHOZ", "CHPLAN", "CHVUP", "IDFERMA", "PRIM", "CHEK"});
        return f;
    }

    void initDate(std::size_t n, const char* button, const char* field, Long& date, std::string title) {
        dates_[n].Init(*this, button, k_.control(field), date, std::move(title));
    }

    void initFile(std::size_t n, const char* button, Str& path, const char* title) {
        lookups_[n].Init(title, "All Files", "*.*", false, false);
        files_[n].Init(*this, button, path, lookups_[n]);
    }

    // A record is a plan or an execution: the box's value decides, the other kind's fields go.
    void applyStatusRule(bool planBox) {
        CountRecord& r = k_.record();
        if (planBox && r.CHPLAN == 1) {
            r.CHVUP = 0;
            r.DATAVUP = 0;
            r.GLVUP = 0;
            r.GLVUPOTR = 0;
            r.GLVUPPOL = 0;
        } else if (planBox) {
            r.CHVUP = 1;
        } else if (r.CHVUP == 1) {
            r.CHPLAN = 0;
            r.DATATASK = 0;
            r.GLPVUP = 0;
        } else {
            r.CHPLAN = 1;
        }
        showStatusSets();
    }

    void showStatusSets() {
        const bool done = k_.record().CHVUP == 1;
        std::vector<std::string> plan{"DATATASK", "GLPVUP"};
        std::vector<std::string> executed{"DATAVUP", "GLVUP"};
        if (k_.reactions) executed.insert(executed.end(), {"GLVUPOTR", "GLVUPPOL"});
        const auto show = [&](const std::vector<std::string>& fields, bool shown) {
            for (const std::string& f : fields)
                for (const std::string& c : {k_.control(f.c_str()), k_.control(f.c_str()) + ":PROMPT"})
                    control(c).setHidden(!shown);
        };
        show(plan, !done);
        show(executed, done);
        control("?CALENDAR").setHidden(done);
        control(k_.doneCalendar).setHidden(!done);
        window().display();
    }

    const CountKind& k_;
    classes::FileDropComboClass Species, Group;
    MeasureDrop Measure;
    classes::DateButton dates_[5];
    classes::SelectFileClass lookups_[3];
    classes::FileButton files_[3];
    Decimal species_;  // the species the dependent drop lists were last filled for
};

void runCountForm(MeasureKind kind) {
    const CountKind& k = countKind(kind);
    windows::runWindow<CountFormWindow>(k.form, [&k](ui::Window& w) { layoutCountForm(w, k); }, k);
}

}  // namespace

void UpdateDiag() { runCountForm(MeasureKind::Diagnostic); }
void UpdateProfil() { runCountForm(MeasureKind::Preventive); }

}  // namespace vx::calculator
