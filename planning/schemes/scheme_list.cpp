#include "app/globals.h"
#include "app/windows/list_window.h"
#include "dictionary/files_in_use.h"
#include "dictionary/names.h"
#include "planning/schemes/plan_for_marked.h"
#include "planning/schemes/scheme_kinds.h"
#include "planning/schemes/scheme_list_window.h"
#include "planning/schemes/scheme_record.h"
#include "planning/schemes/scheme_sheets.h"
#include "planning/schemes/schemes_layouts.h"
#include "planning/schemes/schemes_windows.h"
#include "planning/stage.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "platform/runtime/thread_state.h"

namespace vx::planning::schemes {

namespace {

using namespace dct;
using classes::Level;

// The mark shows a check box by the id; two-stage measures have their name in green.
class SchemeBrowse : public classes::BrowseClass {
public:
    explicit SchemeBrowse(MeasureKind kind) : kind_(kind) {}
    void SetQueueRecord() override {
        classes::BrowseClass::SetQueueRecord();
        const SchemeFields f = schemeFields(kind_);
        cellLook(0).icon = f.mark == 1 ? 1 : 0;
        cellLook(1).style = planning::isTwoStage(planning::stageOf(f.id.value())) ? 1 : 0;
    }

private:
    MeasureKind kind_;
};

class SchemeListWindow : public app::StartFolderWindow {
public:
    SchemeListWindow(ui::Window& w, const SchemeKind& k, std::optional<Scheme>* chosen)
        : app::StartFolderWindow(w), k_(k), chosen_(chosen), BRW1(k.kind) {
        addFile(*k.relate);
        addFile(*Relate::ANIMVID);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, k.kind == MeasureKind::Preventive ? UpdatetaskVPO : UpdatetaskVDI);
    }

    Level Init() override {
        if (Level level = app::StartFolderWindow::Init(); level != Level::Benign) return level;
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *k_.relate, *this);
        BRW1.view().join(*Access::ANIMVID, ANI_K1.index, {k_.fields.species});
        BRW1.addSortOrder(k_.idKey, &BRW1_locator);
        const SchemeFieldNames& n = k_.fields;
        BRW1.addField(*k_.access, n.id);
        BRW1.addField(*k_.access, n.name);
        BRW1.addField(*Access::ANIMVID, "NAME");
        if (k_.speciesIdColumn) BRW1.addField(*k_.access, n.species);
        for (const char* field : {n.heads, n.treatments, n.fixedDate, n.days, n.youngHeads, n.youngTreatments,
                                  n.youngFixedDate, n.youngDays})
            BRW1.addField(*k_.access, field);
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
        BRW1_columns.Init(BRW1, *this);
        ui::ListModel& look = BRW1.list().change();
        look.setIcon(1, "~BOXCHECK.ICO");
        look.setStyle(1, app::greenTextStyle());
        return Level::Benign;
    }

    void SetAlerts() override {
        app::StartFolderWindow::SetAlerts();
        window().alert(kSchemeList).alert(kUnplannedList);
    }

    Level TakeWindowEvent() override {
        takeExcelKey();
        return app::StartFolderWindow::TakeWindowEvent();
    }

    Level TakeFieldEvent() override {
        const bool focused = event().kind == ui::EventKind::Selected;
        if (isField("?BROWSE:1") && highlighted()) {
            publishScheme(bufferedScheme(k_.kind));
            window().display();
        }
        if (isField("?SELECT") && (focused || !k_.chooseOnFocus) && highlighted()) choose();
        if (isField("?BUTTON4") && focused && highlighted()) planForTheMarked();
        takeExcelKey();
        return app::StartFolderWindow::TakeFieldEvent();
    }

private:
    static constexpr ui::Key kSchemeList{ui::VKey('P'), ui::mod::Alt};
    static constexpr ui::Key kUnplannedList{ui::VKey('X'), ui::mod::Alt};

    void takeExcelKey() {
        if (event().kind != ui::EventKind::AlertKey) return;
        if (event().key == kSchemeList) printSchemeReference(k_.kind);
        if (event().key == kUnplannedList) printUnplannedAnimals(k_.kind);
    }

    bool highlighted() const { return BRW1.highlighted() >= 0; }

    void choose() {
        const Scheme s = bufferedScheme(k_.kind);
        if (k_.kind == MeasureKind::Preventive) glo::IDBOL = s.id;
        else glo::IDTASK = s.id;
        glo::IDVIDANIM = s.species;
        publishPlanValues(s);
        glo::TASNAME = s.name;
        if (chosen_) *chosen_ = s;
    }

    // The scheme is the one highlighted here now, whatever another window left in the globals.
    void planForTheMarked() {
        const Scheme s = bufferedScheme(k_.kind);
        const AccessRef measures = k_.kind == MeasureKind::Preventive ? Access::VPO : Access::VDI;
        const FilesInUse files{Access::PASPORT, measures};
        if (files.ready()) reportPlan(k_.kind, planForMarked(k_.kind, s));
    }

    const SchemeKind& k_;
    std::optional<Scheme>* chosen_;
    SchemeBrowse BRW1;
    classes::StepLocator BRW1_locator;
    app::ListColumns BRW1_columns;
};

}  // namespace

void runSchemeList(MeasureKind kind, std::optional<Scheme>* chosen) {
    const SchemeKind& k = schemeKind(kind);
    ui::Window w(ui::WindowKind::MdiChild, k.listProcedure);
    layoutSchemeList(w, k);
    SchemeListWindow ThisWindow(w, k, chosen);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

void BrwtaskVPO() { runSchemeList(MeasureKind::Preventive, nullptr); }
void BrwtaskVDI() { runSchemeList(MeasureKind::Diagnostic, nullptr); }

}  // namespace vx::planning::schemes
