#include "app/globals.h"
#include "dictionary/names.h"
#include "execution/journals/journals_layouts.h"
#include "platform/ui/layout.h"

namespace vx::execution {

using namespace dct;
using ui::ListColumn;

namespace {

void editButtons(ui::LayoutBuilder& b, const JournalKind& k, const std::string& suffix) {
    const char* names[] = {"?INSERT", "?CHANGE", "?DELETE"};
    const char* icons[] = {"spis_plus.ico", "spis_edit.ico", "spis_minus.ico"};
    for (int i = 0; i < 3; ++i) {
        ui::Control& button = b.button(names[i] + suffix, "", icons[i]);
        if (*k.editTips[i]) button.setTooltip(k.editTips[i]);
    }
}

void holdingsAndFarms(ui::LayoutBuilder& b, const JournalKind& k) {
    b.column([&] {
        // The tabs choose the holdings' order; the list sits under them on both.
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "iD", [] {});
            b.tab("?TAB:2", "Наименование", [] {});
        });
        b.list("?BROWSE:1", 10).stretch();
        b.row([&] { editButtons(b, k, ":3"); });
        b.list("?LIST", 10).stretch();
    });
}

void passport(ui::LayoutBuilder& b, const JournalKind& k) {
    b.column([&] {
        b.prompt(k.passportCaption, "?STRING1:2");
        b.list("?LIST:2", 3);
        b.row([&] {
            editButtons(b, k, ":2");
            if (k.printOnPassports) b.button("?PRINT:2", "", "print.ico").setTooltip(k.printTip);
        });
    });
}

void tools(ui::LayoutBuilder& b, const JournalKind& k, Str& operation, Byte& notDone) {
    b.row([&] {
        editButtons(b, k, k.editSuffix);
        b.button("?QUERY", "", "leyka.ico").setTooltip(k.queryTip);
        if (!k.printOnPassports) b.button("?PRINT:2", "", "print.ico").setTooltip(k.printTip);
        b.check("?FLT", "Невыполненные мероприятия", notDone);
        b.entry("?DATABEGIN", glo::DATABEGIN, "@d6.b").setTooltip("Начало периода");
        b.prompt("--", "?STRING3");
        b.entry("?DATAEND", glo::DATAEND, "@d6.b").setTooltip(k.periodEndTip);
        // Its operations come with the journal operations; until then it offers only doing nothing.
        ui::DropControl& operations = b.dropList("?VUDELIT", operation, "Не выделять мероприятия");
        operations.setIcon("OK_help.ICO");
        operations.stretch();
        operations.change().setColumns({ListColumn("Функции работы с таблицей [Выполнение...]", "@s80", 80)});
        b.button("?BUTTON13", "", "adr1.ico").setTooltip(k.toolText);
        b.button("?BUTTON14", "", "tabstop.ico").setTooltip("[Обновить экран] или [По ширине содержимого]");
    });
}

std::vector<ListColumn> journalColumns(const JournalKind& k) {
    std::vector<ListColumn> out;
    for (const JournalColumn& c : k.columns) {
        ListColumn column(c.title, c.picture, c.width);
        if (c.right) column.right();
        if (c.icons) column.withIcons();
        out.push_back(column);
    }
    return out;
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
    w.as<ui::ListControl>("?BROWSE:1")
        ->change()
        .setColumns({ListColumn("iD", "@n_2b", 6).right(), ListColumn("Хозяйство (поселение)", "@s40", 39)});
    w.as<ui::ListControl>("?LIST")->change().setColumns({ListColumn("ID", "@n_2b", k.farmIdWidth).right(),
                                                         ListColumn("Ферма, населённый пункт", "@s40", 41),
                                                         ListColumn(k.farmHoldingTitle, "@n_2b", 2).right()});
    w.as<ui::ListControl>("?LIST:2")->change().setColumns({ListColumn("Уникум", "@n_12b", k.uniqueWidth).right(),
                                                           ListColumn(k.numberTitle, "@s15", 19).withIcons(),
                                                           ListColumn("Дата рождения", "@d6.b", 15).withIcons()});
    ui::ListModel& journal = w.as<ui::ListControl>(k.journalList)->change();
    journal.setColumns(journalColumns(k));
    journal.setFrozenColumns(1);
}

}  // namespace vx::execution
