#include "context/globals.h"
#include "dictionary/names.h"
#include "execution/journals/journal_controls.h"
#include "execution/journals/journal_operations.h"
#include "execution/journals/journals_layouts.h"
#include "platform/ui/layout.h"
#include "windows/edit_buttons.h"

namespace vx::execution {

using namespace dct;
using ui::ListColumn;

namespace {

void editButtons(ui::LayoutBuilder& b, const JournalKind& k, const std::string& suffix) {
    windows::editButtons(b, suffix, {k.editTips[0], k.editTips[1], k.editTips[2]});
}

void holdingsAndFarms(ui::LayoutBuilder& b, const JournalKind& k) {
    b.column([&] {
        // The tabs choose the holdings' order; the list sits under them on both.
        b.sheet(control::kHoldingTabs, [&] {
            b.tab("?TAB:1", "iD", [] {});
            b.tab("?TAB:2", "Наименование", [] {});
        });
        b.list(control::kHoldings, 10).stretch();
        b.row([&] { editButtons(b, k, ":3"); });
        b.list(control::kFarms, 10).stretch();
    });
}

void passport(ui::LayoutBuilder& b, const JournalKind& k) {
    b.column([&] {
        b.prompt(k.passportCaption, "?STRING1:2");
        b.list(control::kPassports, 3);
        b.row([&] {
            editButtons(b, k, ":2");
            if (k.printOnPassports) b.button(control::kPrint, "", "print.ico").setTooltip(k.printTip);
        });
    });
}

void tools(ui::LayoutBuilder& b, const JournalKind& k, Str& operation, Byte& notDone) {
    b.row([&] {
        editButtons(b, k, k.editSuffix);
        b.button(control::kQuery, "", "leyka.ico").setTooltip(k.queryTip);
        if (!k.printOnPassports) b.button(control::kPrint, "", "print.ico").setTooltip(k.printTip);
        b.check(control::kNotDone, "Невыполненные мероприятия", notDone);
        // The period and the operations list keep their widths: the lists beside the row give way.
        b.entry("?DATABEGIN", glo::DATABEGIN, "@d6.b").setTooltip("Начало периода").setWidth(10);
        b.prompt("--", "?STRING3");
        b.entry("?DATAEND", glo::DATAEND, "@d6.b").setTooltip(k.periodEndTip).setWidth(10);
        ui::DropControl& operations = b.dropList(control::kOperations, operation, operationEntries(k.kind));
        operations.setIcon("OK_help.ICO");
        // Wide enough for its resting entry, "Не выделять мероприятия".
        operations.stretch().setWidth(33);
        operations.change().setColumns({ListColumn("Функции работы с таблицей [Выполнение...]", "@s80", 80)});
        b.button(control::kGroupTool, "", "adr1.ico").setTooltip(k.toolText);
        b.button(control::kRefresh, "", "tabstop.ico").setTooltip("[Обновить экран] или [По ширине содержимого]");
    });
}

}  // namespace

void layoutJournal(ui::Window& w, const JournalKind& k, Str& operation, Byte& notDone) {
    w.setCaption(k.caption);
    w.setIcon(k.icon);
    w.setResize(ui::ResizeStrategy::Resize);
    ui::LayoutBuilder b(w);
    b.row([&] {
         holdingsAndFarms(b, k);
         b.column([&] {
              passport(b, k);
              b.prompt(k.title, k.titleControl);
              b.list(k.journalList, 16)
                  .stretch()
                  .setTooltip(std::string(k.title) +
                              "\n\nДля отметки о выполнении необходимо выделить \nмероприятия по нужному критерию.");
              tools(b, k, operation, notDone);
          }).stretch();
     }).stretch();
    showColumns(w.as<ui::ListControl>(control::kHoldings)->change(), journalHoldings());
    showColumns(w.as<ui::ListControl>(control::kFarms)->change(), k.farms);
    showColumns(w.as<ui::ListControl>(control::kPassports)->change(), k.passports);
    ui::ListModel& journal = w.as<ui::ListControl>(k.journalList)->change();
    showColumns(journal, k.journal);
    journal.setFrozenColumns(1);
}

}  // namespace vx::execution
