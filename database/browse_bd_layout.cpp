#include "database/database_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::database {

using namespace dct;
using ui::ListColumn;

const ColumnTable& groupColumns() {
    static const ColumnTable columns{
        {"KOD", Access::RIDGEN, ListColumn("Id", "@n2b", 4).right().withIcons()},
        {"NAME", Access::RIDGEN, ListColumn("Объект учета [район, ветуправление, хозяйство]", "@s35", 35)}};
    return columns;
}

const ColumnTable& databaseColumns() {
    static const ColumnTable columns{{"NAME", Access::CONFIG, ListColumn("БД [хояйство, населенный  пункт, ферма]", "@s60", 60)},
                                     {"PATH", Access::CONFIG, ListColumn("Путь к база данных:", "@s255", 255)}};
    return columns;
}

void layoutBrowseBD(ui::Window& w) {
    w.setCaption("Административное деление [пасивные соединения с БД]");
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Resize);
    ui::LayoutBuilder b(w);
    b.column([&] {
         b.sheet("?CURRENTTAB", [&] {
              b.tab("?TAB:1", "Групповой объект учета", [&] {
                  b.list("?BROWSE:1", 8)
                      .setTooltip(
                          "Ctrl+Лкм        - показывать всех\n"
                          "Shift+Лкм      - не показывать всех\n"
                          "Alt+Лкм         - показывать/не показывать этот объект\n"
                          "CtrlShift+Лкм - реверсия\n"
                          "\n"
                          "Alt+F10 - показать инструменты")
                      .stretch();
                  b.row([&] {
                      b.button("?INSERT:4", "&Добавить").hide().disable();
                      b.button("?CHANGE:4", "&Изменить").hide().disable();
                      b.button("?DELETE:4", "&Удалить").hide().disable();
                  });
              });
          }).stretch();
         auto& list = b.list("?LIST", 8);
         list.setTooltip(
             "Выберите базу данных, нажмите \"Подключить БД\"\n"
             "и откройте реестр.\n"
             "\n"
             "Alt+F10 - показать инструменты");
         list.stretch();
         b.row([&] {
             b.button("?INSERT", "", "spis_plus.ico").hide().disable();
             b.button("?CHANGE", "", "spis_edit.ico").hide().disable();
             b.button("?DELETE", "", "spis_minus.ico").hide().disable();
         });
         b.row([&] {
             b.prompt("Путь к база данных:");
             b.entry("?KON:PATH", KON->PATH, "@s255").stretch();
         });
         b.button("?BUTTON8", "&Подключить БД", "stet.ico");
     }).stretch();
    showColumns(w.as<ui::ListControl>("?BROWSE:1")->change(), groupColumns());
    showColumns(w.as<ui::ListControl>("?LIST")->change(), databaseColumns());
}

}  // namespace vx::database
