#include "context/current.h"
#include "dictionary/files_in_use.h"
#include "dictionary/names.h"
#include "planning/measure_kinds.h"
#include "planning/schemes/plan_for_marked.h"
#include "planning/schemes/scheme_list_window.h"
#include "planning/schemes/scheme_record.h"
#include "planning/schemes/scheme_sheets.h"
#include "planning/schemes/schemes_layouts.h"
#include "planning/schemes/schemes_windows.h"
#include "planning/stage.h"
#include "platform/classes/browse_class.h"
#include "platform/classes/locators.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::planning::schemes {

namespace {

using namespace dct;
using classes::Level;

// The mark shows a check box by the id; two-stage measures have their name in green.
class SchemeBrowse : public TableBrowse {
public:
    explicit SchemeBrowse(const SchemeBook& k) : k_(k) {}
    void SetQueueRecord() override {
        classes::BrowseClass::SetQueueRecord();
        const SchemeFields f = k_.buffered();
        cell(k_.fields.id).icon = f.mark == 1 ? 1 : 0;
        cell(k_.fields.name).style = planning::isTwoStage(planning::stageOf(f.id.value())) ? 1 : 0;
    }

private:
    const SchemeBook& k_;
};

class SchemeListWindow : public windows::StartFolderWindow {
public:
    SchemeListWindow(ui::Window& w, const MeasureKindRow& m, std::optional<Scheme>* chosen)
        : windows::StartFolderWindow(w), m_(m), k_(m.schemes), chosen_(chosen), BRW1(m.schemes) {
        addFile(*k_.relate);
        addFile(*Relate::ANIMVID);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, [kind = m.kind] { runSchemeForm(kind); });
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *k_.relate, *this);
        BRW1.view().join(*Access::ANIMVID, ANI_K1.index, {k_.fields.species});
        BRW1.addSortOrder(k_.idKey, &BRW1_locator);
        BRW1.addColumns(schemeListColumns(m_.kind));
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
        BRW1_columns.Init(BRW1, *this);
        ui::ListModel& look = BRW1.list().change();
        look.setIcon(1, "~BOXCHECK.ICO");
        look.setStyle(1, windows::greenTextStyle());
        return Level::Benign;
    }

    void SetAlerts() override {
        windows::StartFolderWindow::SetAlerts();
        window().alert(kSchemeList).alert(kUnplannedList);
    }

    Level TakeWindowEvent() override {
        takeExcelKey();
        return windows::StartFolderWindow::TakeWindowEvent();
    }

    Level TakeFieldEvent() override {
        const bool focused = event().kind == ui::EventKind::Selected;
        if (isField("?BROWSE:1") && highlighted()) {
            publishScheme(bufferedScheme(m_.kind));
            window().display();
        }
        if (isField("?SELECT") && (focused || !k_.chooseOnFocus) && highlighted()) choose();
        if (isField("?BUTTON4") && focused && highlighted()) planForTheMarked();
        takeExcelKey();
        return windows::StartFolderWindow::TakeFieldEvent();
    }

private:
    static constexpr ui::Key kSchemeList{ui::VKey('P'), ui::mod::Alt};
    static constexpr ui::Key kUnplannedList{ui::VKey('X'), ui::mod::Alt};

    void takeExcelKey() {
        if (event().kind != ui::EventKind::AlertKey) return;
        if (event().key == kSchemeList) printSchemeReference(m_.kind);
        if (event().key == kUnplannedList) printUnplannedAnimals(m_.kind);
    }

    bool highlighted() const { return BRW1.highlighted() >= 0; }

    void choose() {
        const Scheme s = bufferedScheme(m_.kind);
        glo::ChosenMeasure chosen{.schemeName = s.name};
        chosen.*m_.chosenMeasure = s.id;
        glo::leaveChosenMeasure(chosen);
        glo::leaveAnimal({.species = s.species});
        publishPlanValues(s);
        if (chosen_) *chosen_ = s;
    }

    // The scheme is the one highlighted here now, whatever another window left in the globals.
    // Files that cannot be used (no database chosen) close the window once the user is told why.
    void planForTheMarked() {
        const FilesInUse files{Access::PASPORT, m_.measures.access};
        if (!files.ready()) {
            closeWindow();
            return;
        }
        reportPlan(m_.kind, planForMarked(m_.kind, bufferedScheme(m_.kind)));
    }

    const MeasureKindRow& m_;
    const SchemeBook& k_;
    std::optional<Scheme>* chosen_;
    SchemeBrowse BRW1;
    classes::StepLocator BRW1_locator;
    windows::ListColumns BRW1_columns;
};

}  // namespace

void runSchemeList(MeasureKind kind, std::optional<Scheme>* chosen) {
    const MeasureKindRow& m = measureKind(kind);
    windows::runWindow<SchemeListWindow>(
        m.schemes.listProcedure, [kind](ui::Window& w) { layoutSchemeList(w, kind); }, m, chosen);
}

void BrwtaskVPO() { runSchemeList(MeasureKind::Preventive, nullptr); }
void BrwtaskVDI() { runSchemeList(MeasureKind::Diagnostic, nullptr); }

}  // namespace vx::planning::schemes
