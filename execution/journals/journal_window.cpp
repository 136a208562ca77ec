#include <array>
#include <string>

#include "context/analysis_period.h"
#include "context/current.h"
#include "context/execution_numbers.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "execution/forms/measure_record.h"
#include "execution/journals/journal_browses.h"
#include "execution/journals/journal_controls.h"
#include "execution/journals/journal_kinds.h"
#include "execution/journals/journal_operations.h"
#include "execution/journals/journal_tooltip.h"
#include "execution/journals/journals.h"
#include "execution/journals/journals_layouts.h"
#include "platform/classes/ini_manager.h"
#include "platform/classes/locators.h"
#include "platform/classes/query_form.h"
#include "platform/core/text.h"
#include "platform/runtime/thread_state.h"
#include "platform/runtime/threads.h"
#include "platform/ui/choice_controls.h"
#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "registry/register/passport_tooltip.h"
#include "registry/register/place_context.h"
#include "windows/list_window.h"
#include "windows/run_window.h"
#include "windows/window_table.h"

namespace vx::execution {

namespace {

using namespace dct;
using classes::Level;
using ui::EventKind;

constexpr std::size_t kToolStack = 25000;
constexpr int kHoldingDispatch = 1;
constexpr int kReportDispatch = 4;
constexpr int kOperationsLineHeight = 12;

// Sort order 1 on the tab "iD", 2 on "Наименование".
class HoldingsBrowse : public StripedHoldings {
public:
    void followTabs(const ui::SheetControl& tabs) { tabs_ = &tabs; }
    bool ResetSort(bool force) override { return SetSort(tabs_ ? tabs_->chosenTab() + 1 : 1, force); }

private:
    const ui::SheetControl* tabs_ = nullptr;
};

class JournalWindow : public windows::StartFolderWindow {
public:
    JournalWindow(ui::Window& w, const JournalKind& k, const windows::WindowTable& windows, Byte& notDone,
                  Str& operation)
        : windows::StartFolderWindow(w, windows::FolderReturn::BeforeClosing), k_(k), m_(planning::measureKind(k.kind)),
          windows_(windows), notDone_(notDone), operation_(operation), BRW3(k), Operations(*this, k.kind, BRW3) {
        addFile(*Relate::ANIMVID);
        for (RelateRef file :
             {Relate::HOZ, Relate::FERMA, Relate::PASPORT, Relate::POLVOZ, m_.measures.relate, m_.schemes.relate})
            addFile(*file);
        setFirstField(k.journalList);
        setUpdateProcedure(kHoldingDispatch, windows.procedure("Updatehoz"));
        setUpdateProcedure(k.passportDispatch, windows.procedure("Updatepasport"));
        setUpdateProcedure(k.measureDispatch, windows.procedure(m_.measures.formProcedure));
        setUpdateProcedure(kReportDispatch, windows.procedure(m_.controlReport));
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        initQuery();
        initHoldings();
        initFarms();
        initJournal();
        initPassports();
        for (int i = 0; i < 4; ++i) columns_[i].Init(*lists()[i], *this);
        defineJournalStyles(BRW3.list().change(), k_);
        defineJournalStyles(BRW4.list().change(), k_);
        return Level::Benign;
    }

    Level TakeEvent() override {
        // The report reads the query in force before the query form changes it.
        if (event().kind == EventKind::Accepted &&
            (isField(control::kPrint) || (k_.queryHandsOver && isField(control::kQuery)))) {
            window().update();
            glo::GLO_REPORTQUERYRESULT = Query.filter();
        }
        return windows::StartFolderWindow::TakeEvent();
    }

    void SetAlerts() override {
        windows::StartFolderWindow::SetAlerts();
        Operations.setAlerts(BRW3.list(), BRW4.list());
    }

    Level TakeWindowEvent() override {
        if (event().kind == EventKind::OpenWindow) opened();
        return windows::StartFolderWindow::TakeWindowEvent();
    }

    Level TakeSelected() override {
        if (isField(control::kOperations)) control(control::kOperations).setIcon("krug_ch.gif");
        return windows::StartFolderWindow::TakeSelected();
    }

    Level TakeAccepted() override {
        if (isField(control::kPrint)) Run(kReportDispatch, rt::request::None);
        if (isField(control::kGroupTool)) startGroupTool();
        if (isField(control::kOperations)) {
            window().update();
            Operations.takeChoice(clip(operation_.str()));
        }
        return windows::StartFolderWindow::TakeAccepted();
    }

    Level TakeNewSelection() override {
        if (isField(control::kHoldingTabs)) Reset();
        return windows::StartFolderWindow::TakeNewSelection();
    }

    Level TakeFieldEvent() override {
        if (isField(control::kHoldings) || isField(control::kFarms)) copyHoldingAndFarm();
        const bool key = event().kind == EventKind::AlertKey;
        if (isField(control::kPassports)) takePassportEvent();
        if (isField(k_.journalList)) takeJournalEvent();
        if (key && isField(control::kPassports)) Operations.takePassportKey(event().key);
        else if (key && isField(k_.journalList)) Operations.takeJournalKey(event().key);
        else if (key) Operations.takeOtherKey(event().key);
        if (isField(control::kNotDone)) applyNotDoneFilter();
        if (isField(control::kRefresh)) refresh();
        return windows::StartFolderWindow::TakeFieldEvent();
    }

private:
    std::array<classes::BrowseClass*, 4> lists() { return {&BRW1, &BRW2, &BRW3, &BRW4}; }

    void initQuery() {
        if (rt::IniFile* ini = classes::iniManager()) Query.Init(*ini, procedure());
        Query.setQuickQueries(true);
        for (const QueryText& item : k_.query)
            Query.addItem(std::string("UPPER(") + m_.measures.prefix + ":" + item.field + ")", item.label,
                          item.picture);
    }

    void initHoldings() {
        BRW1.followTabs(as<ui::SheetControl>(control::kHoldingTabs));
        BRW1.Init(as<ui::ListControl>(control::kHoldings), *Relate::HOZ, *this);
        BRW1.addSortOrder(HOZ_K1.index, &BRW1_byId);
        BRW1.addSortOrder(HOZ_K2.index, &BRW1_byName);
        BRW1.addColumns(journalHoldings());
        BRW1.setUpdateProcedure(kHoldingDispatch);
        BRW1.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
        BRW1.setEditKeys(false);
    }

    void initFarms() {
        BRW2.Init(as<ui::ListControl>(control::kFarms), *Relate::FERMA, *this);
        BRW2.addSortOrder(FER_K3.index, &BRW2_locator);
        BRW2.addRangeToParent(*Access::HOZ, {"IDHOZ"});
        dct::addColumns(BRW2, k_.farms);
        BRW2.setEditKeys(false);
    }

    void initJournal() {
        BRW3.Init(as<ui::ListControl>(k_.journalList), *m_.measures.relate, *this);
        BRW3.view().join(*Access::ANIMVID, ANI_K1.index, {"VIDANIM"});
        BRW3.view().join(*m_.schemes.access, m_.schemes.idKey, {"IDTASK"});
        BRW3.addSortOrder(m_.measures.byPlace, &BRW3_locator);
        BRW3.appendOrder(m_.measures.appendedOrder);
        BRW3.addRangeToParent(*Access::FERMA, {"IDHOZ", "IDFERM"});
        BRW3.addColumns(k_.journal);
        BRW3.setUpdateProcedure(k_.measureDispatch);
        const std::string s = k_.editSuffix;
        BRW3.setUpdateControls("?INSERT" + s, "?CHANGE" + s, "?DELETE" + s);
        BRW3.setEditKeys(k_.editKeys);
        ui::ListModel& look = BRW3.list().change();
        look.setIcon(1, "~73.ico");
        look.setIcon(2, "~chek.ICO");
        Query.attach(BRW3, *this, control::kQuery);
    }

    void initPassports() {
        BRW4.Init(as<ui::ListControl>(control::kPassports), *Relate::PASPORT, *this);
        BRW4.view().join(*Access::POLVOZ, POL_K1.index, {"IDPOL"});
        BRW4.view().join(*Access::ANIMVID, ANI_K1.index, {"VIDANIM"});
        BRW4.addSortOrder(PAS_K7.index, &BRW4_locator);
        BRW4.addRangeToParent(*m_.measures.access, {"IDHOZ", "IDFERMA", "ID"});
        BRW4.addColumns(k_.passports);
        BRW4.setUpdateProcedure(k_.passportDispatch);
        BRW4.setUpdateControls("?INSERT:2", "?CHANGE:2", "?DELETE:2");
        BRW4.setEditKeys(k_.editKeys);
        ui::ListModel& look = BRW4.list().change();
        look.setIcon(1, "~chek.ICO");
        look.setIcon(2, "~soska.ico");
    }

    void opened() {
        window().select(BRW3.list().id());
        takeJournalEvent();
        auto& operations = as<ui::DropControl>(control::kOperations);
        operations.change().setLineHeight(kOperationsLineHeight);
        operations.setIcon("OK_help.ICO");
        glo::defaultAnalysisPeriod();
        window().display();
    }

    void copyHoldingAndFarm() { registry::copyHoldingAndFarm(BRW1.highlighted() >= 0, BRW2.highlighted() >= 0); }

    // No passport leaves no animal of another farm for a new record to take.
    void takePassportEvent() {
        if (BRW4.highlighted() >= 0) {
            glo::leavePlace({.holding = PAS->IDHOZ, .farm = PAS->IDFERMA});
            glo::leaveAnimal({.number = PAS->IDANIM, .species = ANI->IDANIM, .birthDate = PAS->DATAROG});
        } else {
            copyHoldingAndFarm();
            glo::leaveAnimal({.number = "", .species = Decimal(), .birthDate = 0});
        }
        BRW4.list().setTooltip(glo::CHEKTIP == 1 ? registry::passportCardOfAnimal()
                                                 : "Ctrl или Пкм - установить/ снять выделение животного");
        ui::desktop().changeLook([](ui::Look& l) {
            l.tooltipText = ui::colourFromHex("#02498E");
            l.defaultFontWeight = ui::kBoldWeight;
        });
        window().display();
    }

    void takeJournalEvent() {
        if (BRW3.highlighted() >= 0) {
            const MeasureFields r = measureFields(k_.kind);
            glo::leavePlace({.holding = r.holding, .farm = r.farm});
            glo::leaveChosenMeasure(m_.chosenMeasure, r.measure);
            glo::leaveAnimal({.unik = Decimal(r.animal)});
            glo::ExecutionValues done{.statementNumber = r.statementNumber,
                                      .actNumber = r.actNumber,
                                      .statementDoc = r.statementDoc,
                                      .actDoc = r.actDoc};
            if (r.expertiseNumber) {
                done.expertiseNumber = r.expertiseNumber->str();
                done.expertiseDoc = r.expertiseDoc->str();
            }
            glo::leaveExecutionValues(done);
        }
        BRW3.list().setTooltip(journalTooltip(k_));
    }

    // Every event of the check box hands the filter over; the lists are read
    // again only when the journal's filter changes (a press is two events).
    void applyNotDoneFilter() {
        glo::GLO_FILTER = notDone_ == 1 ? k_.notDoneFilter : "";
        const std::string filter = clip(leftJustify(glo::GLO_FILTER));
        if (filter == filter_) return;
        filter_ = filter;
        BRW3.setFilter(filter);
        Reset(true);
    }

    void refresh() {
        BRW3.list().change().fitColumnsToContent();
        window().select(BRW3.list().id());
        Reset(true);
    }

    // The tool reads the holding, farm and measure the journal left in the context.
    void startGroupTool() {
        window().update();
        windows_.start(k_.groupTool, kToolStack);
        Reset();
    }

    const JournalKind& k_;
    const planning::MeasureKindRow& m_;
    const windows::WindowTable& windows_;
    Byte& notDone_;
    Str& operation_;
    std::string filter_;  // the journal list's not-done filter in force
    classes::QueryFormClass Query;
    HoldingsBrowse BRW1;
    classes::BrowseClass BRW2;
    JournalBrowse BRW3;
    PassportBrowse BRW4;
    JournalOperations Operations;
    classes::StepLocator BRW1_byId, BRW1_byName, BRW2_locator, BRW3_locator, BRW4_locator;
    std::array<windows::ListColumns, 4> columns_;
};

void runJournal(MeasureKind kind, const windows::WindowTable& windows) {
    const JournalKind& k = journalKind(kind);
    Str VUDELIT{80};
    VUDELIT = "Не выделять мероприятия";
    Byte FLT = 0;
    windows::runWindow<JournalWindow>(
        k.procedure, [&](ui::Window& w) { layoutJournal(w, k, VUDELIT, FLT); }, k, windows, FLT, VUDELIT);
}

}  // namespace

void BrowseVPO(const windows::WindowTable& windows) { runJournal(MeasureKind::Preventive, windows); }
void BrowseVDI(const windows::WindowTable& windows) { runJournal(MeasureKind::Diagnostic, windows); }

}  // namespace vx::execution
