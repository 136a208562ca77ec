#include "calculator/calculator_layouts.h"
#include "calculator/count_columns.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/ui/layout.h"
#include "windows/edit_buttons.h"

namespace vx::calculator {

using namespace dct;

namespace {

// Each tool shows what it does: the document it opens, the board or analysis and what it covers.
constexpr const char* kStatementIcon = "doc_list.ico";
constexpr const char* kActIcon = "doc_act.ico";
constexpr const char* kExpertiseIcon = "doc_expert.ico";
constexpr const char* kBoardHoldingIcon = "tablo_hoz.ico";
constexpr const char* kBoardFarmIcon = "tablo_ferm.ico";
constexpr const char* kClearIcon = "CLEAR.ICO";
constexpr const char* kAnalysisHoldingIcon = "analiz_hoz.ico";
constexpr const char* kAnalysisFarmIcon = "analiz_ferm.ico";
constexpr const char* kQueryIcon = "zoomD.ico";
constexpr const char* kQueryTip = "[Запрос по условию для просмотра\r\nнебходимых мероприятий]";

void editButtons(ui::LayoutBuilder& b, const std::string& suffix, const char* changeTip) {
    windows::editButtons(b, suffix, {"[Добавить]", changeTip, "[Удалить]"});
}

void tool(ui::LayoutBuilder& b, const char* name, const char* tip, const char* icon) {
    ui::Control& c = b.button(name, "", icon);
    if (*tip) c.setTooltip(tip);
}

void holdingsAndFarms(ui::LayoutBuilder& b) {
    b.column([&] {
        b.sheet("?CURRENTTAB",
                [&] { b.tab("?TAB:1", "По iD хозяйства [поселения]", [&] { b.list("?BROWSE:1", 8).stretch(); }); });
        b.row([&] { editButtons(b, ":3", "[Редактировать]"); });
        b.list("?LIST", 8).stretch();
        b.row([&] { editButtons(b, "", "[Изменить]"); });
        b.row([&] {
            const char* tip = "[Период, за который формируется\r\nанализ выполнения мероприятий]";
            b.entry("?DATABEGIN", glo::DATABEGIN, kDatePicture).setTooltip(tip);
            b.prompt("--", "?STRING4");
            b.entry("?DATAEND", glo::DATAEND, kDatePicture).setTooltip(tip);
        });
    });
}

void board(ui::LayoutBuilder& b, Str& text) {
    b.column([&] {
         b.prompt("[Табло калькулятора]", "?STRING3");
         b.text("?TABLO", text, 9).setReadOnly(true);
     }).stretch();
}

struct ToolButton {
    const char* name;
    const char* tip;
    const char* icon;
};

// The tool buttons of each count list, in the order they stand.
const ToolButton kDiagnosticTools[] = {
    {"?BUTTON17", "Открыть файл Экспертизы...", kExpertiseIcon},
    {"?BUTTON18", "Открыть файл Описи...", kStatementIcon},
    {"?BUTTON19", "", kActIcon},
    {"?BUTTON15",
     "[Табло] Анализ выполнения выбранного диагностического\r\nмероприятия по поселению (хозяйству) за период", kBoardHoldingIcon},
    {"?BUTTON16",
     "[Табло] Анализ выполнения выбранного диагностического\r\nмероприятия по ферме (населенному пункту) за период", kBoardFarmIcon},
    {"?BUTTON22", "Очистить табло", kClearIcon},
    {"?BUTTON20", "Анализ диагностических мероприятий\r\nпо хозяйству за период...", kAnalysisHoldingIcon},
    {"?BUTTON21", "Анализ диагностических мероприятий\r\nпо ферме за период...", kAnalysisFarmIcon},
    {"?QUERY", kQueryTip, kQueryIcon},
};

const ToolButton kPreventiveTools[] = {
    {"?BUTTON26", "Открыть файл Ведомости...", kStatementIcon},
    {"?BUTTON27", "Открыть файл Акта...", kActIcon},
    {"?BUTTON24",
     "[Табло] Анализ выполнения выбранного профилактического\r\nмероприятия по поселению (хозяйству) за период", kBoardHoldingIcon},
    {"?BUTTON25",
     "[Табло] Анализ выполнения выбранного профилактического\r\nмероприятия по ферме (населенному пункту) за "
     "период", kBoardFarmIcon},
    {"?BUTTON30", "Очистить табло", kClearIcon},
    {"?BUTTON28", "Анализ профилактических мероприятий\r\nпо хозяйству за период...", kAnalysisHoldingIcon},
    {"?BUTTON29", "Анализ профилактических мероприятий\r\nпо ферме за период...", kAnalysisFarmIcon},
    {"?QUERY:2", kQueryTip, kQueryIcon},
};

template <std::size_t N>
void countList(ui::LayoutBuilder& b, const CountKind& k, const char* heading, const char* toolsCaption,
               const ToolButton (&tools)[N]) {
    b.column([&] {
         b.prompt(k.heading, heading);
         b.list(k.list, 8).stretch();
         b.row([&] {
             editButtons(b, k.buttonSuffix, "[Редактировать]");
             b.group(toolsCaption, [&] {
                 b.row([&] {
                     for (const ToolButton& t : tools) tool(b, t.name, t.tip, t.icon);
                 });
             });
         });
     }).stretch();
}

}  // namespace

void layoutCalculator(ui::Window& w, Str& boardText) {
    const CountKind& diagnostic = countKind(MeasureKind::Diagnostic);
    const CountKind& preventive = countKind(MeasureKind::Preventive);
    w.setCaption("[Калькулятор] Планирование и выполнение противоэпизоотические мероприятий");
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Resize);
    ui::LayoutBuilder b(w);
    b.row([&] {
         b.column([&] {
             holdingsAndFarms(b);
             board(b, boardText);
         });
         b.column([&] {
              countList(b, diagnostic, "?STRING1", "Инструменты [Диагностика]", kDiagnosticTools);
              countList(b, preventive, "?STRING2", "Инструменты [Профилактика]", kPreventiveTools);
              b.row([&] { tool(b, "?BUTTON10", "[По ширине содержимого]", "tabstop.ico"); });
          }).stretch();
     }).stretch();
    dct::showColumns(w.as<ui::ListControl>("?BROWSE:1")->change(), holdingColumns());
    dct::showColumns(w.as<ui::ListControl>("?LIST")->change(), farmColumns());
    for (const CountKind* k : {&diagnostic, &preventive})
        dct::showColumns(w.as<ui::ListControl>(k->list)->change(), countColumns(k->kind));
}

}  // namespace vx::calculator
