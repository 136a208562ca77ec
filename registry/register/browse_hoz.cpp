#include <array>
#include <span>
#include <string_view>

#include "context/current.h"
#include "context/execution_numbers.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/classes/ini_manager.h"
#include "platform/classes/locators.h"
#include "platform/classes/query_form.h"
#include "platform/runtime/thread_state.h"
#include "platform/runtime/threads.h"
#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "registry/forms/forms_windows.h"
#include "registry/forms/holding_lists.h"
#include "registry/register/browse_hoz_layout.h"
#include "registry/register/kept_rows.h"
#include "registry/register/passport_tooltip.h"
#include "registry/register/place_context.h"
#include "registry/register/register_browses.h"
#include "registry/register/register_columns.h"
#include "registry/register/register_controls.h"
#include "registry/register/register_marking.h"
#include "registry/register/register_panels.h"
#include "registry/register/register_tools.h"
#include "registry/register/register_window.h"
#include "windows/list_window.h"
#include "windows/run_window.h"

namespace vx::registry {

namespace {

using namespace dct;
using classes::Level;
using ui::EventKind;

// The scheme and card windows started from the buttons.
constexpr std::size_t kToolStack = 25000;
constexpr int kDesignedFontSize = 9;

struct QueryItemText {
    const char* expression;
    const char* label;
    const char* picture;
};

constexpr QueryItemText kAnimalQuery[] = {
    {"UPPER(PAS:idhoz)", "ID хозяйства (поселения)", "@n_2b"},
    {"UPPER(PAS:idferma)", "ID фермы (населенного пункта)", "@n_2b"},
    {"UPPER(PAS:fio)", "ФИО владельца", "@s40"},
    {"UPPER(PAS:adres)", "Адрес владельца", "@s40"},
    {"UPPER(PAS:idanim)", "Инвентарный №", "@s15"},
    {"UPPER(PAS:vidanim)", "ID вида животного", "@n_2b"},
    {"UPPER(PAS:vidanim)", "ID вида животного с", "@n_2b"},
    {"UPPER(PAS:vidanim)", "ID вида животного по", "@n_2b"},
    {"UPPER(PAS:idpol)", "ID половозрастной группы", "@n2b"},
    {"UPPER(PAS:idpol)", "ID половозрастной группы с", "@n2b"},
    {"UPPER(PAS:idpol)", "ID половозрастной группы по", "@n2b"},
    {"UPPER(PAS:korp)", "Корпус", "@n_2b"},
    {"UPPER(PAS:gruppa)", "Группа", "@n_3b"},
    {"UPPER(PAS:vozrastg)", "Возраст (лет) с", "@n2"},
    {"UPPER(PAS:vozrastg)", "Возраст (лет) по", "@n2"},
    {"UPPER(PAS:vozrastm)", "Возраст (мес) с", "@n2b"},
    {"UPPER(PAS:vozrastm)", "Возраст (мес) по", "@n2b"},
    {"UPPER(PAS:vozrastd)", "Возраст (дней) с", "@n2b"},
    {"UPPER(PAS:vozrastd)", "Возраст (дней) по", "@n2b"},
    {"UPPER(PAS:prich)", "Причина выбытия", "@s11"},
    {"UPPER(PAS:osnmol)", "Молодняк/Основное [1/2]", "@n3b"},
    {"UPPER(PAS:aktnomer)", "№ акта выбытия", "@s14"},
    {"UPPER(PAS:aktdata)", "Дата акта", "@d6."},
    {"UPPER(PAS:chek)", "Не выделено/Выделено [0/1]", "@n3"},
};

class BrowsehozWindow : public windows::StartFolderWindow {
public:
    BrowsehozWindow(ui::Window& w, Str& marking, const windows::WindowTable& windows)
        : windows::StartFolderWindow(w, windows::FolderReturn::BeforeClosing), windows_(windows), VUDELIT(marking) {
        for (RelateRef file : {Relate::FERMA, Relate::HOZ, Relate::PASPORT, Relate::POLVOZ, Relate::ANIMVID,
                               Relate::VPO, Relate::BOLEZN, Relate::VDI, Relate::TASK})
            addFile(*file);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, Updatehoz);
        setUpdateProcedure(2, Updateferma);
        setUpdateProcedure(3, Updatepasport);
        setUpdateProcedure(6, windows.procedure("PrintQBE"));
        for (planning::MeasureKind kind : planning::kMeasureKinds) {
            const planning::MeasureKindRow& k = planning::measureKind(kind);
            setUpdateProcedure(registerPanel(kind).updateNumber, windows.procedure(k.measures.formProcedure));
            setUpdateProcedure(registerPanel(kind).printNumber, windows.procedure(k.cardReport));
        }
    }

    Level Init() override {
        if (Level level = windows::StartFolderWindow::Init(); level != Level::Benign) return level;
        initQuery();
        initHoldings();
        initFarms();
        initAnimals();
        initMeasures(BRW4);
        initMeasures(BRW5);
        for (int i = 0; i < 5; ++i) columns_[i].Init(*lists()[i], *this);
        for (classes::BrowseClass* list : std::array<classes::BrowseClass*, 3>{&BRW1, &BRW2, &BRW3})
            defineListboxStyle(list->list().change());
        for (MeasureBrowse* panel : {&BRW4, &BRW5})
            if (registerPanel(panel->kind().kind).styled) defineListboxStyle(panel->list().change());
        for (classes::BrowseClass* list : lists())
            list->list().change().setFont(listFont(kDesignedFontSize, false, false));
        return Level::Benign;
    }

    Byte Run(int number, Byte request) override {
        const KeptRows kept(number);
        return windows::StartFolderWindow::Run(number, request);
    }
    using windows::StartFolderWindow::Run;

    void SetAlerts() override {
        windows::StartFolderWindow::SetAlerts();
        Marking.setAlerts();
    }

    Level TakeWindowEvent() override {
        if (event().kind == EventKind::OpenWindow) opened();
        return windows::StartFolderWindow::TakeWindowEvent();
    }

    Level TakeSelected() override {
        static constexpr Handler kSelected[] = {
            {control::kDiagnosticCards, [](BrowsehozWindow&) { glo::clearExecutionNumbers(); }},
            {control::kMarking, [](BrowsehozWindow& w) { w.control(control::kMarking).setIcon("krug_ch.gif"); }},
            {control::kSynchroniseAges, [](BrowsehozWindow& w) { w.Tools.synchroniseAges(); }},
            {control::kHerdStructure, [](BrowsehozWindow& w) { w.Tools.countHerd(); }},
            {control::kBuildFilter, [](BrowsehozWindow& w) { w.Tools.buildFilter(); }},
            {control::kApplyFilter, [](BrowsehozWindow& w) { w.Tools.applyFilter(); }},
            {control::kRemoveFilter, [](BrowsehozWindow& w) { w.Tools.removeFilter(); }},
        };
        take(kSelected);
        return windows::StartFolderWindow::TakeSelected();
    }

    Level TakeAccepted() override {
        if (takeMeasurePanel(BRW4) || takeMeasurePanel(BRW5)) return windows::StartFolderWindow::TakeAccepted();
        static constexpr Handler kAccepted[] = {
            {control::kPrintAnimals, [](BrowsehozWindow& w) { w.printAnimals(); }},
            {control::kPrintHoldings, [](BrowsehozWindow& w) { w.printHoldings(); }},
            {control::kHerdStructure, [](BrowsehozWindow& w) { w.Tools.appendSummaries(); }},
        };
        take(kAccepted);
        return windows::StartFolderWindow::TakeAccepted();
    }

    Level TakeNewSelection() override {
        if (isField(control::kSearchField)) Tools.searchModeChanged();
        if (isField(control::kMarking)) Marking.takeChoice(VUDELIT.str());
        return windows::StartFolderWindow::TakeNewSelection();
    }

    Level TakeFieldEvent() override {
        if (isField(control::kHoldings) || isField(control::kFarms)) copyHoldingAndFarm();
        if (isField(control::kAnimals)) takeAnimalEvent();
        if (isField(control::kFontBold) || isField(control::kFontNormal)) applyFontStyle();
        if (isField(control::kFontSize)) applyFontSize();
        if (isField(control::kRefresh)) refresh();
        return windows::StartFolderWindow::TakeFieldEvent();
    }

private:
    // What one control's event runs.
    struct Handler {
        std::string_view control;
        void (*run)(BrowsehozWindow&);
    };

    // The handler of the control the event is for, if it has one.
    void take(std::span<const Handler> handlers) {
        for (const Handler& h : handlers)
            if (isField(h.control)) return h.run(*this);
    }

    std::array<classes::BrowseClass*, 5> lists() { return {&BRW1, &BRW2, &BRW3, &BRW4, &BRW5}; }

    void initQuery() {
        if (rt::IniFile* ini = classes::iniManager()) Query.Init(*ini, procedure());
        Query.setQuickQueries(true);
        for (const QueryItemText& item : kAnimalQuery) Query.addItem(item.expression, item.label, item.picture);
    }

    void initHoldings() { initHoldingList(BRW1, *this, BRW1_locator, holdingColumns()); }

    // The farms show their holding's name too.
    void initFarms() {
        initFarmList(BRW2, *this, BRW2_locator, farmColumns());
    }

    void initAnimals() {
        BRW3.Init(as<ui::ListControl>("?LIST:2"), *Relate::PASPORT, *this);
        BRW3.view().join(*Access::POLVOZ, POL_K1.index, {"IDPOL"});
        BRW3.view().join(*Access::ANIMVID, ANI_K1.index, {"VIDANIM"});
        BRW3.addSortOrder(PAS_K7.index, &BRW3_locator);
        BRW3.addRangeToParent(*Access::FERMA, {"IDHOZ", "IDFERM"});
        BRW3.addColumns(animalColumns());
        BRW3.setUpdateProcedure(3);
        BRW3.setUpdateControls("?INSERT:2", "?CHANGE:2", "?DELETE:2");
        ui::ListModel& look = BRW3.list().change();
        look.setIcon(1, "~CHEK.ICO");
        look.setIcon(2, "~soska.ico");
        BRW3.list().setTooltip(initialAnimalTooltip());
        Query.attach(BRW3, *this, "?QUERY");
    }

    // The browse of a measure panel: the kind's records of the current animal, by the kind's table.
    void initMeasures(MeasureBrowse& browse) {
        const planning::MeasureKindRow& m = browse.kind();
        const RegisterPanel& panel = registerPanel(m.kind);
        const std::string edit = ":" + std::to_string(panel.updateNumber);
        browse.Init(as<ui::ListControl>(panel.list), *m.measures.relate, *this);
        browse.view().join(*m.schemes.access, m.schemes.idKey, {"IDTASK"});
        browse.addSortOrder(m.measures.byPlace, &browse.locator);
        browse.appendOrder(m.measures.appendedOrder);
        browse.addRangeToParent(*Access::PASPORT, {"IDHOZ", "IDFERMA", "ID"});
        browse.addColumns(panel.columns);
        browse.setUpdateProcedure(panel.updateNumber);
        browse.setUpdateControls("?INSERT" + edit, "?CHANGE" + edit, "?DELETE" + edit);
        browse.list().change().setIcon(1, "~73.ico");
    }

    // A panel's print button and its two tools; false for any other control.
    bool takeMeasurePanel(const MeasureBrowse& browse) {
        const RegisterPanel& panel = registerPanel(browse.kind().kind);
        for (const RegisterPanel::Tool& tool : panel.tools)
            if (isField(tool.control)) {
                startTool(tool.procedure);
                return true;
            }
        if (!isField(panel.printButton)) return false;
        Run(panel.printNumber, rt::request::None);
        return true;
    }

    void opened() {
        glo::leavePlace({.holding = Decimal(), .farm = Decimal()});
        glo::leaveAnimal({.number = "0"});
        auto& marking = as<ui::DropControl>("?VUDELIT");
        marking.change().setLineHeight(12);
        marking.setIcon("OK_help.ICO");
        glo::clearExecutionNumbers();
    }

    void copyHoldingAndFarm() {
        registry::copyHoldingAndFarm(BRW1.highlighted() >= 0, BRW2.highlighted() >= 0);
        window().display();
    }

    void copyAnimal() {
        if (BRW3.highlighted() < 0) {
            copyHoldingAndFarm();
            glo::leaveAnimal({.number = "0",
                              .species = Decimal(),
                              .group = Decimal(),
                              .birthDate = 0,
                              .building = Decimal(),
                              .herdGroup = Decimal(),
                              .herdGroupName = ""});
            // The panel shows the species and group of no animal either.
            for (const AccessRef lookup : {Access::ANIMVID, Access::POLVOZ}) lookup->clearBuffer();
            return;
        }
        glo::leavePlace({.holding = PAS->IDHOZ, .farm = PAS->IDFERMA});
        glo::leaveAnimal({.number = PAS->IDANIM,
                          .species = PAS->VIDANIM,
                          .group = PAS->IDPOL,
                          .birthDate = PAS->DATAROG,
                          .building = PAS->KORP,
                          .herdGroup = PAS->GRUPPA,
                          .herdGroupName = PAS->NGRUPPA});
        window().display();
    }

    void takeAnimalEvent() {
        copyAnimal();
        ui::desktop().changeLook([](ui::Look& l) {
            l.tooltipsShown = glo::SORT == 1;
            l.tooltipText = ui::colourFromHex("#02498E");
            l.defaultFontWeight = ui::kBoldWeight;
        });
        BRW3.list().setTooltip(glo::CHEKTIP == 1 ? passportCard() : animalListTooltip());
        if (event().kind == EventKind::NewSelection) BRW3.list().setWholeRowHighlight(glo::POLOSA == 1);
        if (event().kind == EventKind::AlertKey) Marking.takeKey(event().key);
    }

    void applyFontStyle() {
        for (classes::BrowseClass* list : lists()) {
            ui::ListModel& look = list->list().change();
            look.setFont(listFont(look.font().size, glo::FONTG == 1, glo::FONTN == 1));
        }
        window().display();
    }

    void applyFontSize() {
        const int size = static_cast<int>(glo::SPIW.toInt());
        for (classes::BrowseClass* list : lists()) {
            ui::ListModel& look = list->list().change();
            ui::FontSpec font = look.font();
            font.size = size;
            look.setFont(font);
            look.setLineHeight(size + 4);
        }
        BRW3.list().change().fitColumnsToContent();
        window().display();
    }

    void refresh() {
        BRW3.list().change().fitColumnsToContent();
        window().select(BRW3.list().id());
        Reset(true);
    }

    // The window's fields go back to their variables first; the lists are shown again, not reloaded.
    void startTool(std::string_view name) {
        window().update();
        windows_.start(name, kToolStack);
        window().display();
    }

    void printAnimals() {
        window().update();
        Tools.handOverToReport();
        Run(6, rt::request::None);
    }

    void printHoldings() {
        window().update();
        Tools.handOverToReport();
        startTool("PrintQBE1");
    }

    const windows::WindowTable& windows_;
    Str& VUDELIT;
    RegisterMarking Marking{*this, BRW3};
    RegisterTools Tools{*this, BRW3, Query};
    classes::QueryFormClass Query;
    HoldingsBrowse BRW1;
    FarmsBrowse BRW2;
    AnimalsBrowse BRW3;
    MeasureBrowse BRW4{planning::MeasureKind::Preventive};
    MeasureBrowse BRW5{planning::MeasureKind::Diagnostic};
    classes::StepLocator BRW1_locator, BRW2_locator;
    classes::IncrementalLocator BRW3_locator;
    std::array<windows::ListColumns, 5> columns_;
};

}  // namespace

void Browsehoz(const windows::WindowTable& windows) {
    Str VUDELIT{80};
    VUDELIT = "Не выделять животных";
    windows::runWindow<BrowsehozWindow>(
        "Browsehoz", [&](ui::Window& w) { layoutBrowsehoz(w, VUDELIT); }, VUDELIT, windows);
}

}  // namespace vx::registry
