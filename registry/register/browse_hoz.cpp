#include <array>

#include "app/globals.h"
#include "app/windows/list_window.h"
#include "dictionary/names.h"
#include "platform/classes/ini_manager.h"
#include "platform/classes/locators.h"
#include "platform/classes/query_form.h"
#include "platform/runtime/thread_state.h"
#include "platform/runtime/threads.h"
#include "platform/ui/desktop.h"
#include "platform/ui/drop_control.h"
#include "registry/forms/forms_windows.h"
#include "registry/register/browse_hoz_layout.h"
#include "registry/register/kept_rows.h"
#include "registry/register/passport_tooltip.h"
#include "registry/register/register_browses.h"
#include "registry/register/register_marking.h"
#include "registry/register/register_tools.h"
#include "registry/register/register_window.h"

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

void clearMeasureContext() {
    glo::NAKT = "";
    glo::NEKSP = "";
    glo::NVEDJPIS = "";
    glo::DAKT = 0;
    glo::DEKSP = 0;
    glo::DVEDOPIS = 0;
}

class BrowsehozWindow : public app::StartFolderWindow {
public:
    BrowsehozWindow(ui::Window& w, Str& marking, const script::ProcedureRegistry& windows)
        : app::StartFolderWindow(w, app::FolderReturn::BeforeClosing), windows_(windows), VUDELIT(marking) {
        for (RelateRef file : {Relate::FERMA, Relate::HOZ, Relate::PASPORT, Relate::POLVOZ, Relate::ANIMVID,
                               Relate::VPO, Relate::BOLEZN, Relate::VDI, Relate::TASK})
            addFile(*file);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, Updatehoz);
        setUpdateProcedure(2, Updateferma);
        setUpdateProcedure(3, Updatepasport);
    }

    Level Init() override {
        if (Level level = app::StartFolderWindow::Init(); level != Level::Benign) return level;
        initQuery();
        initHoldings();
        initFarms();
        initAnimals();
        initPreventive();
        initDiagnostic();
        for (int i = 0; i < 5; ++i) columns_[i].Init(*lists()[i], *this);
        // The diagnostic list has no styles.
        for (int i = 0; i < 4; ++i) defineListboxStyle(lists()[i]->list().change());
        for (classes::BrowseClass* list : lists())
            list->list().change().setFont(listFont(kDesignedFontSize, false, false));
        return Level::Benign;
    }

    Byte Run(int number, Byte request) override {
        const KeptRows kept(number);
        return app::StartFolderWindow::Run(number, request);
    }
    using app::StartFolderWindow::Run;

    void SetAlerts() override {
        app::StartFolderWindow::SetAlerts();
        Marking.setAlerts();
    }

    Level TakeWindowEvent() override {
        if (event().kind == EventKind::OpenWindow) opened();
        return app::StartFolderWindow::TakeWindowEvent();
    }

    Level TakeSelected() override {
        if (isField("?BUTTON22")) clearMeasureContext();
        if (isField("?VUDELIT")) control("?VUDELIT").setIcon("krug_ch.gif");
        if (isField("?BUTTON20")) Tools.synchroniseAges();
        if (isField("?BUTTON32")) Tools.countHerd();
        if (isField("?BUTTON28")) Tools.buildFilter();
        if (isField("?BUTTON26")) Tools.applyFilter();
        if (isField("?BUTTON27")) Tools.removeFilter();
        return app::StartFolderWindow::TakeSelected();
    }

    Level TakeAccepted() override {
        if (isField("?BUTTON24")) startTool("BrwtaskVPO");
        else if (isField("?BUTTON23")) startTool("BrowseTKvpo");
        else if (isField("?BUTTON22")) startTool("BrowseTKvdi");
        else if (isField("?BUTTON25")) startTool("BrwtaskVDI");
        else if (isField("?PRINT")) printAnimals();
        else if (isField("?PRINT:4")) printHoldings();
        else if (isField("?PRINT:2")) Run(7, rt::request::None);
        else if (isField("?PRINT:3")) Run(8, rt::request::None);
        else if (isField("?BUTTON32")) Tools.appendSummaries();
        return app::StartFolderWindow::TakeAccepted();
    }

    Level TakeNewSelection() override {
        if (isField("?SP_FIELD")) Tools.searchModeChanged();
        if (isField("?VUDELIT")) Marking.takeChoice(VUDELIT.str());
        return app::StartFolderWindow::TakeNewSelection();
    }

    Level TakeFieldEvent() override {
        if (isField("?BROWSE:1") || isField("?LIST")) copyHoldingAndFarm();
        if (isField("?LIST:2")) takeAnimalEvent();
        if (isField("?FONTG") || isField("?FONTN")) applyFontStyle();
        if (isField("?SPIW")) applyFontSize();
        if (isField("?BUTTON33")) refresh();
        return app::StartFolderWindow::TakeFieldEvent();
    }

private:
    std::array<classes::BrowseClass*, 5> lists() { return {&BRW1, &BRW2, &BRW3, &BRW4, &BRW5}; }

    void initQuery() {
        if (rt::IniFile* ini = classes::iniManager()) Query.Init(*ini, procedure());
        Query.setQuickQueries(true);
        for (const QueryItemText& item : kAnimalQuery) Query.addItem(item.expression, item.label, item.picture);
    }

    void initHoldings() {
        BRW1.Init(as<ui::ListControl>("?BROWSE:1"), *Relate::HOZ, *this);
        BRW1.addSortOrder(HOZ_K1.index, &BRW1_locator);
        BRW1.addField(*Access::HOZ, "IDHOZ");
        BRW1.addField(*Access::HOZ, "NAME");
        BRW1.setUpdateProcedure(1);
        BRW1.setUpdateControls("?INSERT:3", "?CHANGE:3", "?DELETE:3");
    }

    void initFarms() {
        BRW2.Init(as<ui::ListControl>("?LIST"), *Relate::FERMA, *this);
        BRW2.addSortOrder(FER_K3.index, &BRW2_locator);
        BRW2.addRangeToParent(*Access::HOZ, {"IDHOZ"});
        BRW2.addField(*Access::FERMA, "IDFERM");
        BRW2.addField(*Access::FERMA, "NAME");
        BRW2.addField(*Access::HOZ, "NAME");
        BRW2.setUpdateProcedure(2);
        BRW2.setUpdateControls("?INSERT", "?CHANGE", "?DELETE");
    }

    void initAnimals() {
        BRW3.Init(as<ui::ListControl>("?LIST:2"), *Relate::PASPORT, *this);
        BRW3.view().join(*Access::POLVOZ, POL_K1.index, {"IDPOL"});
        BRW3.view().join(*Access::ANIMVID, ANI_K1.index, {"VIDANIM"});
        BRW3.addSortOrder(PAS_K7.index, &BRW3_locator);
        BRW3.addRangeToParent(*Access::FERMA, {"IDHOZ", "IDFERM"});
        for (const char* field : {"IDANIM", "DATAROG", "FIO", "ADRES", "VOZRASTG", "VOZRASTM", "VOZRASTD"})
            BRW3.addField(*Access::PASPORT, field);
        BRW3.addField(*Access::ANIMVID, "NAME");
        BRW3.addField(*Access::POLVOZ, "NAME");
        for (const char* field :
             {"PRICH", "AKTNOMER", "AKTDATA", "ID", "VIDANIM", "IDPOL", "KORP", "GRUPPA", "NGRUPPA"})
            BRW3.addField(*Access::PASPORT, field);
        BRW3.setUpdateProcedure(3);
        BRW3.setUpdateControls("?INSERT:2", "?CHANGE:2", "?DELETE:2");
        ui::ListModel& look = BRW3.list().change();
        look.setIcon(1, "~CHEK.ICO");
        look.setIcon(2, "~soska.ico");
        BRW3.list().setTooltip(initialAnimalTooltip());
        Query.attach(BRW3, *this, "?QUERY");
    }

    void initPreventive() {
        BRW4.Init(as<ui::ListControl>("?LIST:3"), *Relate::VPO, *this);
        BRW4.view().join(*Access::BOLEZN, BOL_K1.index, {"IDTASK"});
        BRW4.addSortOrder(VPO_K7.index, &BRW4_locator);
        BRW4.appendOrder("+VPO:idtask,+VPO:datatask");
        BRW4.addRangeToParent(*Access::PASPORT, {"IDHOZ", "IDFERMA", "ID"});
        BRW4.addField(*Access::VPO, "DATATASK");
        BRW4.addField(*Access::BOLEZN, "NAME");
        for (const char* field : {"NOPIS", "DOPIS", "AKTNOMER", "AKTDATA", "IDANIM", "ID"})
            BRW4.addField(*Access::VPO, field);
        BRW4.setUpdateProcedure(4);
        BRW4.setUpdateControls("?INSERT:4", "?CHANGE:4", "?DELETE:4");
        BRW4.list().change().setIcon(1, "~73.ico");
    }

    void initDiagnostic() {
        BRW5.Init(as<ui::ListControl>("?LIST:4"), *Relate::VDI, *this);
        BRW5.view().join(*Access::TASK, TAS_K1.index, {"IDTASK"});
        BRW5.addSortOrder(VDI_K7.index, &BRW5_locator);
        BRW5.appendOrder("+VDI:idtask,+VDI:datatask");
        BRW5.addRangeToParent(*Access::PASPORT, {"IDHOZ", "IDFERMA", "ID"});
        BRW5.addField(*Access::VDI, "DATATASK");
        BRW5.addField(*Access::TASK, "NAME");
        for (const char* field : {"NVED", "DVED", "NEKSP", "DEKSP", "ID", "IDANIM", "REAKCIA"})
            BRW5.addField(*Access::VDI, field);
        BRW5.setUpdateProcedure(5);
        BRW5.setUpdateControls("?INSERT:5", "?CHANGE:5", "?DELETE:5");
        BRW5.list().change().setIcon(1, "~73.ico");
    }

    void opened() {
        glo::IDHOZ = 0;
        glo::IDFERM = 0;
        glo::IDANIM = "0";
        auto& marking = as<ui::DropControl>("?VUDELIT");
        marking.change().setLineHeight(12);
        marking.setIcon("OK_help.ICO");
        clearMeasureContext();
    }

    // An empty list copies nothing of another holding or farm: its part of the context is cleared.
    void copyHoldingAndFarm() {
        const bool holding = BRW1.highlighted() >= 0;
        glo::IDHOZ = holding ? HOZ->IDHOZ.value() : Decimal();
        glo::HOZNAME = holding ? HOZ->NAME.str() : "";
        const bool farm = holding && BRW2.highlighted() >= 0;
        glo::IDFERM = farm ? FER->IDFERM.value() : Decimal();
        glo::FERNAME = farm ? FER->NAME.str() : "";
        window().display();
    }

    void copyAnimal() {
        if (BRW3.highlighted() < 0) {
            copyHoldingAndFarm();
            glo::IDANIM = "0";
            glo::IDVIDANIM = 0;
            glo::IDPOL = 0;
            glo::DATAROG = 0;
            glo::IDKORP = 0;
            glo::IDGRUPPA = 0;
            glo::IDNGRUPPA = "";
            return;
        }
        glo::IDHOZ = PAS->IDHOZ;
        glo::IDFERM = PAS->IDFERMA;
        glo::IDANIM = PAS->IDANIM;
        glo::IDVIDANIM = PAS->VIDANIM;
        glo::IDPOL = PAS->IDPOL;
        glo::DATAROG = PAS->DATAROG;
        glo::IDKORP = PAS->KORP;
        glo::IDGRUPPA = PAS->GRUPPA;
        glo::IDNGRUPPA = PAS->NGRUPPA;
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
        if (const script::ProcedureEntry* e = windows_.find(name)) rt::startThread(e->procedure, kToolStack);
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

    const script::ProcedureRegistry& windows_;
    Str& VUDELIT;
    RegisterMarking Marking{*this, BRW3};
    RegisterTools Tools{*this, BRW3, Query};
    classes::QueryFormClass Query;
    HoldingsBrowse BRW1;
    FarmsBrowse BRW2;
    AnimalsBrowse BRW3;
    PreventiveBrowse BRW4;
    DiagnosticBrowse BRW5;
    classes::StepLocator BRW1_locator, BRW2_locator, BRW4_locator, BRW5_locator;
    classes::IncrementalLocator BRW3_locator;
    std::array<app::ListColumns, 5> columns_;
};

}  // namespace

void Browsehoz(const script::ProcedureRegistry& windows) {
    ui::Window w(ui::WindowKind::MdiChild, "Browsehoz");
    Str VUDELIT{80};
    VUDELIT = "Не выделять животных";
    layoutBrowsehoz(w, VUDELIT);
    BrowsehozWindow ThisWindow(w, VUDELIT, windows);
    *rt::GLOBALRESPONSE = ThisWindow.Run();
}

}  // namespace vx::registry
