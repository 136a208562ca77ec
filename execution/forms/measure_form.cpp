#include <string>
#include <vector>

#include "context/current.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "execution/forms/measure_form_kinds.h"
#include "execution/forms/measure_forms.h"
#include "execution/forms/measure_forms_layouts.h"
#include "execution/forms/measure_record.h"
#include "execution/forms/measure_rules.h"
#include "planning/measure_kinds.h"
#include "planning/schemes/scheme_record.h"
#include "planning/stage.h"
#include "platform/classes/calendar.h"
#include "platform/classes/file_drop.h"
#include "platform/classes/form_manager.h"
#include "platform/classes/select_file.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"
#include "platform/expr/bindings.h"
#include "platform/runtime/thread_state.h"
#include "platform/ui/style.h"
#include "windows/run_window.h"

namespace vx::execution {

namespace {

using namespace dct;
using classes::Level;
namespace schemes = planning::schemes;

constexpr int kDropLineHeight = 12;
constexpr int kTwoStageStyle = 1;

// Second and first stages in green.
class MeasureDrop : public classes::FileDropClass {
public:
    explicit MeasureDrop(MeasureKind kind) : kind_(kind) {}
    void SetQueueRecord() override {
        classes::FileDropClass::SetQueueRecord();
        const bool twoStage = planning::isTwoStage(planning::stageOf(schemes::schemeFields(kind_).id.value()));
        cellLook(0).style = twoStage ? kTwoStageStyle : 0;
    }

private:
    MeasureKind kind_;
};

ui::ListStyle twoStageStyle() {
    const ui::Colour green = ui::colourFromHex("#03BA48");
    return {ui::FontSpec{"Arial Cyr", 8, ui::kNormalWeight}, ui::Colours{green, ui::kNoColour, green, ui::kNoColour}};
}

class MeasureFormWindow : public classes::FormManager {
public:
    MeasureFormWindow(ui::Window& w, const MeasureFormKind& k)
        : classes::FormManager(w, *planning::measureKind(k.kind).measures.relate), k_(k),
          schemes_(planning::measureKind(k.kind).schemes), r_(measureFields(k.kind)), Measures(k.kind) {
        for (RelateRef file : {Relate::ANIMVID, Relate::HOZ, Relate::FERMA, Relate::PASPORT, schemes_.relate})
            addFile(*file);
        setFirstField(k.control("IDHOZ"));
        const MeasureFieldNames& n = k.fields;
        std::vector<std::string> fields{"IDHOZ",         "ID",
                                        "IDFERMA",       "CHEK",
                                        "IDANIM",        "GLPLAN",
                                        "GLVUP",         "GOPLAN",
                                        "GOVUP",         "DATATASK",
                                        "AKTNOMER",      "AKTDATA",
                                        n.actDoc,        n.statementNumber,
                                        n.statementDate, n.statementDoc};
        if (k.expertise()) fields.insert(fields.end(), {"REAKCIA", "NEKSP", "DEKSP", "PUTEXPDOC"});
        std::vector<std::string> entries;
        for (const std::string& f : fields) {
            addHistoryField(k.control(f.c_str()), f);
            if (f != "CHEK" && f != "REAKCIA") entries.push_back(k.control(f.c_str()));
        }
        addHistoryField(k.control("PRIM"), "PRIM");
        entries.push_back(k.control("PRIM"));
        setStatusTexts("View Record", "Добавить запись", "Изменить запись");
        std::vector<std::string> locked{"?ANI:NAME",   k.schemeControl("NAME"), "?CALENDAR",     "?CALENDAR:2",
                                        "?CALENDAR:3", "?LOOKUPFILE",           "?LOOKUPFILE:2", k.control("CHEK")};
        if (k.expertise()) locked.insert(locked.end(), {"?CALENDAR:4", "?LOOKUPFILE:3", "?VDI:REAKCIA"});
        setViewLocks(entries, locked);
        names_.bind("idvidanim", [] { return Value(glo::IDVIDANIM.value()); });
    }

    Level Init() override {
        if (Level level = classes::FormManager::Init(); level != Level::Benign) return level;
        initSpecies();
        initMeasures();
        initButtons();
        return Level::Benign;
    }

    // The names of the scheme, farm and holding follow the record.
    void Reset(bool force) override {
        if (!acceptingAll()) lookUpNames();
        classes::FormManager::Reset(force);
    }

    Level TakeWindowEvent() override {
        if (event().kind == ui::EventKind::OpenWindow) takeTheAnimal();
        return classes::FormManager::TakeWindowEvent();
    }

    Level TakeAccepted() override {
        if (isField(k_.schemeControl("NAME"))) measureChosen();
        if (isField(k_.control("AKTDATA"))) markDone(r_);
        return classes::FormManager::TakeAccepted();
    }

private:
    void initSpecies() {
        Species.Init(as<ui::DropControl>("?ANI:NAME"), *Access::ANIMVID, *this);
        Species.setFilter("ANI:idanim=idvidanim", &names_);
        Species.addField(*Access::ANIMVID, "NAME");
        Species.addField(*Access::ANIMVID, "IDANIM");
        Species.addUpdateField(*Access::ANIMVID, "IDANIM", r_.species);
        Species.drop().change().setLineHeight(kDropLineHeight);
    }

    void initMeasures() {
        data::FileManager& schemes = *schemes_.access;
        const planning::SchemeFieldNames& s = schemes_.fields;
        Measures.Init(as<ui::DropControl>(k_.schemeControl(s.name)), schemes, *this);
        Measures.view().orderByKey(schemes_.idKey);
        Measures.setFilter(k_.schemeFilter, &names_);
        Measures.addField(schemes, s.name);
        Measures.addField(schemes, s.id);
        Measures.addField(schemes, s.days);
        Measures.addUpdateField(schemes, s.id, r_.measure);
        Measures.addUpdateField(schemes, "IDPREPARAT", r_.preparation);
        Measures.addUpdateField(schemes, "NORMA", r_.norm);
        Measures.addUpdateField(schemes, s.days, glo::DNEY);
        ui::ListModel& look = Measures.drop().change();
        look.setLineHeight(kDropLineHeight);
        look.setStyle(kTwoStageStyle, twoStageStyle());
    }

    void initButtons() {
        const MeasureFieldNames& n = k_.fields;
        PlannedDate.Init(*this, "?CALENDAR", k_.control("DATATASK"), r_.planned, "Запланированная дата");
        StatementDate.Init(*this, "?CALENDAR:3", k_.control(n.statementDate), r_.statementDate, k_.statementCalendar);
        ActDate.Init(*this, "?CALENDAR:2", k_.control("AKTDATA"), r_.actDate, k_.actCalendar);
        // A cancelled dialog keeps the stored path: the user clears a path by clearing its entry.
        StatementLookup.Init(k_.statementDialog, "All Files", "*.*", false, false);
        ActLookup.Init("Выбрать файл акта", "All Files", "*.*", false, false);
        StatementFile.Init(*this, "?LOOKUPFILE", r_.statementDoc, StatementLookup);
        ActFile.Init(*this, "?LOOKUPFILE:2", r_.actDoc, ActLookup);
        if (!k_.expertise()) return;
        ExpertiseDate.Init(*this, "?CALENDAR:4", "?VDI:DEKSP", *r_.expertiseDate, "Дата экспертизы");
        ExpertiseLookup.Init("Выбрать файл экспертизы", "All Files", "*.*", false, false);
        ExpertiseFile.Init(*this, "?LOOKUPFILE:3", *r_.expertiseDoc, ExpertiseLookup);
    }

    // An empty inventory number is the current animal's. A new record that its list
    // could not tie to an animal (the journals range by farm) belongs to the caller's
    // current passport when that passport is on the record's farm.
    void takeTheAnimal() {
        if (r_.number.blank()) r_.number = glo::IDANIM;
        if (request() == rt::request::Insert && r_.animal == 0 && Decimal(PAS->IDHOZ) == r_.holding.value() &&
            Decimal(PAS->IDFERMA) == r_.farm.value())
            r_.animal = PAS->ID;
        window().display();
    }

    void lookUpNames() {
        const planning::SchemeFields scheme = schemes::schemeFields(k_.kind);
        scheme.id = r_.measure.value();
        Fetch(KeyRef{schemes_.file.id, schemes_.idKey});
        FER->IDHOZ = r_.holding.value();
        FER->IDFERM = r_.farm.value();
        Fetch(FER_K3);
        HOZ->IDHOZ = r_.holding.value();
        Fetch(HOZ_K1);
    }

    // The scheme in the buffer is the chosen entry; a record kept with a measure
    // the list does not offer has no scheme to plan from.
    void measureChosen() {
        glo::leaveChosenMeasure({.scheme = r_.measure});
        glo::leavePlace({.holding = r_.holding, .farm = r_.farm});
        glo::leaveAnimal({.number = r_.number, .group = r_.group});
        const planning::Scheme scheme = schemes::bufferedScheme(k_.kind);
        if (scheme.id != r_.measure.value()) return;
        planFromScheme(r_, scheme, PAS->OSNMOL, glo::DATAROG, clock::today());
    }

    const MeasureFormKind& k_;
    const planning::SchemeBook& schemes_;
    MeasureFields r_;
    expr::Bindings names_;
    classes::FileDropClass Species;
    MeasureDrop Measures;
    classes::DateButton PlannedDate, StatementDate, ActDate, ExpertiseDate;
    classes::SelectFileClass StatementLookup, ActLookup, ExpertiseLookup;
    classes::FileButton StatementFile, ActFile, ExpertiseFile;
};

void runMeasureForm(MeasureKind kind) {
    const MeasureFormKind& k = measureFormKind(kind);
    windows::runWindow<MeasureFormWindow>(
        planning::measureKind(kind).measures.formProcedure, [&](ui::Window& w) { layoutMeasureForm(w, k); }, k);
}

}  // namespace

void Updatevpo() { runMeasureForm(MeasureKind::Preventive); }
void Updatevdi() { runMeasureForm(MeasureKind::Diagnostic); }

}  // namespace vx::execution
