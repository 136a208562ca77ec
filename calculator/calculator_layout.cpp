#include "app/globals.h"
#include "calculator/calculator_layouts.h"
#include "calculator/count_columns.h"
#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::calculator {

using namespace dct;
using ui::ListColumn;

namespace {

constexpr const char* kToolIcon = "adr1.ico";
constexpr const char* kClearIcon = "CLEAR.ICO";
constexpr const char* kQueryIcon = "zoomD.ico";
constexpr const char* kQueryTip = "[Запрос по условию для просмотра\r\nнебходимых мероприятий]";

void editButtons(ui::LayoutBuilder& b, const std::string& suffix, const char* changeTip) {
    b.button("?INSERT" + suffix, "", "spis_plus.ico").setTooltip("[Добавить]");
    b.button("?CHANGE" + suffix, "", "spis_edit.ico").setTooltip(changeTip);
    b.button("?DELETE" + suffix, "", "spis_minus.ico").setTooltip("[Удалить]");
}

void tool(ui::LayoutBuilder& b, const char* name, const char* tip, const char* icon = kToolIcon) {
    ui::Control& c = b.button(name, "", icon);
    if (*tip) c.setTooltip(tip);
}

void holdingsAndFarms(ui::LayoutBuilder& b) {
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "По iD хозяйства [поселения]", [&] { b.list("?BROWSE:1", 8).stretch(); });
        });
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

void diagnosticTools(ui::LayoutBuilder& b) {
    b.group("Инструменты [Диагностика]", [&] {
        b.row([&] {
            tool(b, "?BUTTON17", "Открыть файл Экспертизы...");
            tool(b, "?BUTTON18", "Открыть файл Описи...");
            tool(b, "?BUTTON19", "");
            tool(b, "?BUTTON15",
                 "[Табло] Анализ выполнения выбранного диагностического\r\nмероприятия по поселению (хозяйству) за "
                 "период");
            tool(b, "?BUTTON16",
                 "[Табло] Анализ выполнения выбранного диагностического\r\nмероприятия по ферме (населенному пункту) "
                 "за период");
            tool(b, "?BUTTON22", "Очистить табло", kClearIcon);
            tool(b, "?BUTTON20", "Анализ диагностических мероприятий\r\nпо хозяйству за период...");
            tool(b, "?BUTTON21", "Анализ диагностических мероприятий\r\nпо ферме за период...");
            tool(b, "?QUERY", kQueryTip, kQueryIcon);
        });
    });
}

void preventiveTools(ui::LayoutBuilder& b) {
    b.group("Инструменты [Профилактика]", [&] {
        b.row([&] {
            tool(b, "?BUTTON26", "Открыть файл Ведомости...");
            tool(b, "?BUTTON27", "Открыть файл Акта...");
            tool(b, "?BUTTON24",
                 "[Табло] Анализ выполнения выбранного профилактического\r\nмероприятия по поселению (хозяйству) за "
                 "период");
            tool(b, "?BUTTON25",
                 "[Табло] Анализ выполнения выбранного профилактического\r\nмероприятия по ферме (населенному "
                 "пункту) за период");
            tool(b, "?BUTTON30", "Очистить табло", kClearIcon);
            tool(b, "?BUTTON28", "Анализ профилактических мероприятий\r\nпо хозяйству за период...");
            tool(b, "?BUTTON29", "Анализ профилактических мероприятий\r\nпо ферме за период...");
            tool(b, "?QUERY:2", kQueryTip, kQueryIcon);
        });
    });
}

void countList(ui::LayoutBuilder& b, const CountKind& k, const char* heading, void (*tools)(ui::LayoutBuilder&)) {
    b.column([&] {
         b.prompt(k.heading, heading);
         b.list(k.list, 8).stretch();
         b.row([&] {
             editButtons(b, k.buttonSuffix, "[Редактировать]");
             tools(b);
         });
     }).stretch();
}

std::vector<ListColumn> columnsOf(const CountKind& k) {
    std::vector<ListColumn> out;
    for (const CountColumn& c : countColumns(k)) {
        ListColumn column(c.title, c.picture, c.width);
        if (c.file == ColumnFile::Count && c.picture[1] == 'n') column.right();
        if (c.icons) column.withIcons();
        out.push_back(column);
    }
    return out;
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
              countList(b, diagnostic, "?STRING1", diagnosticTools);
              countList(b, preventive, "?STRING2", preventiveTools);
              b.row([&] { tool(b, "?BUTTON10", "[По ширине содержимого]", "tabstop.ico"); });
          }).stretch();
     }).stretch();
    w.as<ui::ListControl>("?BROWSE:1")->change().setColumns(
        {ListColumn("iD", "@n3b", 3).right(), ListColumn("Хозяйство [поселение]", "@s40", 30)});
    w.as<ui::ListControl>("?LIST")->change().setColumns(
        {ListColumn("ID", "@n3b", 3).right(), ListColumn("Ферма [населённый пункт]", "@s40", 30)});
    for (const CountKind* k : {&diagnostic, &preventive})
        w.as<ui::ListControl>(k->list)->change().setColumns(columnsOf(*k));
}

}  // namespace vx::calculator
