#include "registry/register/browse_hoz_layout.h"

#include "context/globals.h"
#include "dictionary/names.h"
#include "planning/measure_kinds.h"
#include "platform/ui/layout.h"
#include "registry/marking/marking_entries.h"
#include "registry/register/register_columns.h"
#include "registry/register/register_controls.h"
#include "registry/register/register_panels.h"
#include "windows/edit_buttons.h"

namespace vx::registry {

using namespace dct;
using ui::ListColumn;

namespace {

void holdingsAndFarms(ui::LayoutBuilder& b) {
    b.column([&] {
        b.list(control::kHoldings, 8).stretch();
        b.row([&] { windows::editButtons(b, ":3", {"Добавить", "Редактировать", "Удалить"}); });
        b.list(control::kFarms, 8).stretch();
        b.row([&] { windows::editButtons(b, "", {"Добавить", "Редактировать", "Удалить"}); });
    });
}

void passportPanel(ui::LayoutBuilder& b) {
    b.prompt("[Паспорт]", "?STRING1:2");
    b.display("?PAS:FIO", PAS->FIO, "@s40").setTooltip("Владелец");
    b.display("?PAS:ADRES", PAS->ADRES, "@s40").setTooltip("Адрес (частный сектор)");
    b.display("?IDANIM", glo::IDANIM, "@s15").setTooltip("Инвентарный номер животного");
    b.display("?ANI:NAME", ANI->NAME, "@s20").setTooltip("Наименование животного");
    b.display("?POL:NAME", POL->NAME, "@s20").setTooltip("Наименование поло-возрастной группы");
}

void tools(ui::LayoutBuilder& b) {
    b.row([&] {
        b.button(control::kPrintAnimals, "", "p_print.ico").setTooltip("Список животных по условию");
        b.button(control::kPrintHoldings, "", "printN.ico").setTooltip("Список ЛПХ [+животные]");
        b.button(control::kSynchroniseAges, "", "spis_cloc_new.ico").setTooltip("Синхронизировать возраст");
        b.button(control::kRefresh, "", "tabstop.ico").setTooltip("[Обновить экран] или [По ширине содержимого]");
        b.button("?QUERY", "", "zoomD.ico").setTooltip("Запрос по условию");
    });
    b.display("?TASKBOL", glo::TASKBOL, "@s30");
}

void search(ui::LayoutBuilder& b) {
    b.sheet("?CURRENTTAB", [&] {
        b.tab("?TAB:2", "По iD", [&] {
            b.row([&] {
                b.button(control::kHerdStructure, "", "struct_bd.ico").setTooltip("[Структура поголовья]");
                b.dropList(control::kSearchField, glo::SP_FIELD,
                           "|Произвольный|По фамилии|По адресу|По № животного|По № корпуса|По № группы|По наим.группы")
                    .setTooltip("Поле для поиска")
                    .stretch();
            });
            b.row([&] {
                b.button(control::kApplyFilter, "", "plus_flt.ICO").setTooltip("Применить фильтр");
                b.button(control::kRemoveFilter, "", "del_flt.ICO").setTooltip("Удалить фильтр");
                b.button(control::kBuildFilter, "", "hand_flt.ICO").setTooltip("Сформировать фильтр");
                b.prompt("[Табло поиска]", "?STRING1:4");
            });
            b.text("?GLO:FILTER", glo::GLO_FILTER, 2).stretch();
        });
    });
}

void animals(ui::LayoutBuilder& b, Str& marking) {
    b.column([&] {
         b.list(control::kAnimals, 16).stretch();
         b.row([&] {
             windows::editButtons(b, ":2", {"Добавить паспорт животного", "Редактировать паспорт", "Удалить паспорт"});
             ui::DropControl& modes = b.dropCombo(control::kMarking, marking, "@s80", marking::markingEntryList());
             modes.setTooltip("[Способы выделения для экспорта]\n[Установить/снять выделение]\n").stretch();
             modes.change().setColumns({ListColumn("Способы выделения для экспорта", "@s80", 80)});
         });
     }).stretch();
}

// The preventive and the diagnostic panel: one definition, read for each kind.
void measurePanel(ui::LayoutBuilder& b, const RegisterPanel& p) {
    b.column([&] {
         b.prompt(p.prompt, p.promptControl);
         ui::Control& list = b.list(p.list, 6);
         if (*p.listTip) list.setTooltip(p.listTip);
         list.stretch();
         b.row([&] {
             b.button(p.printButton, "", "p_print.ico").setTooltip(p.printTip);
             windows::editButtons(b, ":" + std::to_string(p.updateNumber), {p.insertTip, p.changeTip, p.deleteTip});
             for (const RegisterPanel::Tool& tool : p.tools)
                 b.button(tool.control, "", tool.icon).setTooltip(tool.tip);
         });
     }).stretch();
}

void measures(ui::LayoutBuilder& b) {
    for (planning::MeasureKind kind : planning::kMeasureKinds)
        measurePanel(b, registerPanel(kind));
}

void fontControls(ui::LayoutBuilder& b) {
    b.row([&] {
        b.check(control::kFontBold, "Ж", glo::FONTG);
        b.spin(control::kFontSize, glo::SPIW, "@n2", Decimal(4), Decimal(14));
        b.check(control::kFontNormal, "Н", glo::FONTN);
    });
}

void columns(ui::Window& w) {
    showColumns(w.as<ui::ListControl>(control::kHoldings)->change(), holdingColumns());
    showColumns(w.as<ui::ListControl>(control::kFarms)->change(), farmColumns());
    ui::ListModel& animals = w.as<ui::ListControl>(control::kAnimals)->change();
    showColumns(animals, animalColumns());
    addHeading(animals, animalColumns(), "Владелец", "FIO", 2);
    addHeading(animals, animalColumns(), "Возраст животного", "VOZRASTG", 3);
    addHeading(animals, animalColumns(), "Выбытие животного", "PRICH", 3);
    for (planning::MeasureKind kind : planning::kMeasureKinds) {
        const RegisterPanel& panel = registerPanel(kind);
        showColumns(w.as<ui::ListControl>(panel.list)->change(), panel.columns);
    }
}

}  // namespace

void layoutBrowsehoz(ui::Window& w, Str& marking) {
    w.setCaption("Учёт поголовья, планирование мероприятий, выполнение");
    w.setIcon("baran.ico");
    w.setFont(ui::FontSpec{"Arial CYR"});
    w.setResize(ui::ResizeStrategy::Resize);
    ui::LayoutBuilder b(w);
    b.column([&] {
         b.row([&] {
              holdingsAndFarms(b);
              b.column([&] {
                   b.row([&] {
                        b.column([&] {
                            passportPanel(b);
                            tools(b);
                            search(b);
                        });
                        animals(b, marking);
                    }).stretch();
                   // Extra height goes to the animal list; the measure lists keep their pages.
                   b.row([&] { measures(b); });
               }).stretch();
          }).stretch();
         fontControls(b);
     }).stretch();
    columns(w);
}

}  // namespace vx::registry
