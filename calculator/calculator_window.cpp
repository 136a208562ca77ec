#include <array>
#include <string_view>

#include "calculator/board.h"
#include "calculator/calculator_layouts.h"
#include "calculator/calculator_tools.h"
#include "calculator/calculator_windows.h"
#include "calculator/count_columns.h"
#include "calculator/count_kinds.h"
#include "calculator/count_tip.h"
#include "context/current.h"
#include "context/execution_numbers.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "execution/plan_analysis.h"
#include "office/document_opener.h"
#include "platform/classes/auto_size_columns.h"
#include "platform/classes/ini_manager.h"
#include "platform/classes/locators.h"
#include "platform/classes/query_form.h"
#include "platform/classes/window_manager.h"
#include "registry/forms/holding_lists.h"
#include "windows/list_window.h"
#include "windows/run_window.h"
#include "windows/window_table.h"

namespace vx::calculator {

namespace {

using namespace dct;
using classes::Level;

constexpr int kPlanStyle = 1;
constexpr int kPlanIcon = 1;
constexpr int kMarkIcon = 2;
constexpr const char* kPlanColumns[] = {"IDTASK", "SCHEME:NAME", "ANI:NAME", "POL:NAME", "DATATASK"};

ui::ListStyle planStyle() {
    const ui::Colour blue = ui::colourFromHex("#0080C0");
    return {ui::FontSpec{"Times New Roman Cyr", 8, ui::kBoldWeight},
            ui::Colours{blue, ui::kNoColour, blue, ui::kNoColour}};
}

// Plans stand out in style 1; the mark and the plan show their icons.
class CountBrowse : public dct::TableBrowse {
public:
    explicit CountBrowse(const CountKind& k) : k_(k) {}

    const CountKind& kind() const { return k_; }

    void SetQueueRecord() override {
        dct::TableBrowse::SetQueueRecord();
        const CountRecord& r = k_.record();
        const bool plan = r.CHPLAN == 1;
        for (const char* name : kPlanColumns) cell(name).style = plan ? kPlanStyle : 0;
        cell("IDTASK").icon = r.CHEK == 1 ? kMarkIcon : 0;
        cell("SCHEME:NAME").icon = plan ? kPlanIcon : 0;
        if (k_.plannedColumnIcon) cell("CHPLAN").icon = plan ? kMarkIcon : 0;
    }

private:
    const CountKind& k_;
};

// Which global a document button opens.
struct DocumentButton {
    const char* control;
    Str& path;
};

class CalculatorWindow : public classes::WindowManager {
public:
    CalculatorWindow(ui::Window& w, Str& board, const windows::WindowTable& windows)
        : classes::WindowManager(w),
          board_(board),
          counts_{CountBrowse(countKind(MeasureKind::Diagnostic)), CountBrowse(countKind(MeasureKind::Preventive))} {
        for (RelateRef file : {Relate::DVSEGO, Relate::PVSEGO, Relate::HOZ, Relate::FERMA, Relate::TASK,
                               Relate::BOLEZN, Relate::ANIMVID, Relate::POLVOZ})
            addFile(*file);
        setFirstField("?BROWSE:1");
        setUpdateProcedure(1, windows.procedure("Updatehoz"));
        setUpdateProcedure(2, windows.procedure("Updateferma"));
        setUpdateProcedure(3, UpdateDiag);
        setUpdateProcedure(4, UpdateProfil);
    }

    Level Init() override {
        if (Level level = classes::WindowManager::Init(); level != Level::Benign) return level;
        registry::initHoldingList(BRW1, *this, BRW1_locator, holdingColumns());
        registry::initFarmList(BRW2, *this, BRW2_locator, farmColumns());
        for (int i = 0; i < 2; ++i) {
            BRW1_size[i].Init(i == 0 ? BRW1.list() : BRW2.list(), *this);
            (i == 0 ? BRW1 : BRW2).list().change().setLineHeight(windows::kListLineHeight);
        }
        for (std::size_t i = 0; i < counts_.size(); ++i) initCounts(i);
        return Level::Benign;
    }

    Level TakeWindowEvent() override {
        if (event().kind == ui::EventKind::OpenWindow) {
            execution::AnalysisPeriod::defaultToThisYear();
            sums_ = BoardSums{};
            board_ = "";
            window().display();
        }
        return classes::WindowManager::TakeWindowEvent();
    }

    // The tool buttons act when they receive the focus.
    Level TakeSelected() override {
        if (const CalculatorTool* t = boardButton(useNameOf(field()))) showBoard(*t);
        if (isField("?BUTTON22") || isField("?BUTTON30")) clearBoard();
        if (const CalculatorTool* t = analysisButton(useNameOf(field()))) {
            window().update();
            if (execution::runAnalysis(execution::AnalysisSource::Calculator, t->kind, t->scope) ==
                execution::AnalysisEnd::NoTemplate)
                closeWindow();
        }
        for (const DocumentButton& d : documentButtons())
            if (isField(d.control)) office::openDocument(d.path.str());
        return classes::WindowManager::TakeSelected();
    }

    Level TakeFieldEvent() override {
        if (isField("?BROWSE:1") || isField("?LIST")) takePlaceEvent();
        for (CountBrowse& counts : counts_)
            if (isField(counts.kind().list)) takeCountEvent(counts);
        if (isField("?BUTTON10")) fitCountColumns();
        return classes::WindowManager::TakeFieldEvent();
    }

private:
    void initCounts(std::size_t i) {
        CountBrowse& b = counts_[i];
        const CountKind& k = b.kind();
        const planning::MeasureKindRow& m = planning::measureKind(k.kind);
        b.Init(as<ui::ListControl>(k.list), *k.relate, *this);
        b.view().join(*Access::POLVOZ, POL_K1.index, {"IDPOL"});
        b.view().join(*Access::ANIMVID, ANI_K1.index, {"VIDANIM"});
        b.view().join(*m.schemes.access, m.schemes.idKey, {"IDTASK"});
        b.addSortOrder(m.counts.byPlace, &countLocators_[i]);
        b.addRangeToParent(*Access::FERMA, {"IDHOZ", "IDFERM"});
        b.addColumns(countColumns(k.kind));
        b.setUpdateProcedure(k.updateNumber);
        b.setUpdateControls(std::string("?INSERT") + k.buttonSuffix, std::string("?CHANGE") + k.buttonSuffix,
                            std::string("?DELETE") + k.buttonSuffix);
        countColumns_[i].Init(b, *this);
        ui::ListModel& look = b.list().change();
        look.setStyle(kPlanStyle, planStyle());
        look.setIcon(kPlanIcon, "~adr1.ico");
        look.setIcon(kMarkIcon, "~chek.ICO");
        // Each list's named queries of their own: one list's never overwrite the other's.
        if (rt::IniFile* ini = classes::iniManager()) queries_[i].Init(*ini, procedure() + ":" + (k.list + 1));
        queries_[i].setQuickQueries(true);
        for (const CountQueryItem& q : k.queryItems)
            queries_[i].addItem(std::string("UPPER(") + k.prefix + ":" + q.field + ")", q.label, q.picture);
        queries_[i].attach(b, *this, k.query);
    }

    std::array<DocumentButton, 5> documentButtons() const {
        return {DocumentButton{"?BUTTON17", glo::PUTEXPDOC}, DocumentButton{"?BUTTON18", glo::PUTVPDOC},
                DocumentButton{"?BUTTON19", glo::PUTAKTDOC}, DocumentButton{"?BUTTON26", glo::PUTVPDOC},
                DocumentButton{"?BUTTON27", glo::PUTAKTDOC}};
    }

    // The board and the analyses work on this holding and farm; a holding without farms has none.
    void takePlaceEvent() {
        if (BRW2.highlighted() >= 0) {
            glo::leavePlace({.holding = FER->IDHOZ, .farm = FER->IDFERM});
        } else if (BRW1.highlighted() >= 0) {
            glo::leavePlace({.holding = HOZ->IDHOZ, .farm = Decimal()});
        }
        for (CountBrowse& counts : counts_) counts.list().setTooltip("");
        window().display();
    }

    void takeCountEvent(CountBrowse& counts) {
        const CountKind& k = counts.kind();
        if (counts.highlighted() >= 0) {
            const CountRecord& r = k.record();
            glo::ExecutionValues documents{.statementDoc = r.PUTVPDOC.str(), .actDoc = r.PUTAKTDOC.str()};
            if (k.expertise()) documents.expertiseDoc = r.PUTEXPDOC.str();
            glo::leaveExecutionValues(documents);
            glo::leaveChosenMeasure({.scheme = r.IDTASK});
            glo::leaveAnimal({.species = r.VIDANIM});
            if (auto tip = countTip(k, r, k.schemeIdOf(), k.schemeName().padded())) counts.list().setTooltip(*tip);
        }
        clearBoard();
    }

    void showBoard(const CalculatorTool& t) {
        window().update();
        sums_ = BoardSums{};
        if (std::optional<Board> b = runBoard(BoardSelection::current(t.kind, t.scope))) {
            sums_ = b->sums;
            board_ = b->text;
            if (b->heading) control("?STRING3").setText(*b->heading);
        }
        window().display();
    }

    void clearBoard() {
        board_ = "";
        window().display();
    }

    void fitCountColumns() {
        for (CountBrowse& counts : counts_) counts.list().change().fitColumnsToContent();
        window().select(counts_[0].list().id());
        window().display();
    }

    Str& board_;
    BoardSums sums_;  // of the last board run, 0 when the window opened
    dct::TableBrowse BRW1, BRW2;
    classes::StepLocator BRW1_locator, BRW2_locator;
    classes::AutoSizeColumnClass BRW1_size[2];
    std::array<CountBrowse, 2> counts_;
    std::array<classes::StepLocator, 2> countLocators_;
    std::array<windows::ListColumns, 2> countColumns_;
    std::array<classes::QueryFormClass, 2> queries_;
};

}  // namespace

void BRWvdi(const windows::WindowTable& windows) {
    Str board{2000};
    windows::runWindow<CalculatorWindow>(
        "BRWvdi", [&](ui::Window& w) { layoutCalculator(w, board); }, board, windows);
}

}  // namespace vx::calculator
