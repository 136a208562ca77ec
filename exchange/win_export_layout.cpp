#include "exchange/exchange_layouts.h"

#include "platform/ui/layout.h"

namespace vx::exchange {

using ui::ListColumn;

void layoutWinExport(ui::Window& w, ExportWindowFields& f) {
    w.setCaption("Экспорт в Excel");
    w.setIcon("EXCEL.ICO");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
         placePickers(b);
         b.prompt("Перечень диагностических мероприятий");
         b.list("?TAS:NAME", 5).setTooltip("Наименование мероприятия");
         b.prompt("Перечень профилактических мероприятий");
         b.list("?BOL:NAME", 5).setTooltip("Наименование заболевания");
         b.prompt("Шаблоны документов для экспорта в Excel");
         b.list("?EXP:NAME", 5).setTooltip("Наименование экспорта").stretch();
         b.check("?SHAPKA", "Печатать шапку [только произвольный отчет]", f.freeHeading);
         b.row([&] {
             b.button("?BUTTON9", "", "EXCEL.ICO").setTooltip("[Экспортировать в выбранный шаблон]");
             b.prompt("Печатать со строки", "?ROW1:PROMPT");
             b.display("?ROW1", f.firstRow, "@n5");
             b.button("?OK", "&Закрыть", "WAOk.ICO").setTooltip("Экспорт списка животных");
             b.prompt("Вариант расчета экспорта", "?VRASCH:PROMPT");
             b.spin("?VRASCH", f.variant, "@n3", Decimal(0), Decimal(99));
         });
     }).stretch();
    pickerColumns(w);
    w.as<ui::ListControl>("?TAS:NAME")
        ->change()
        .setColumns({ListColumn("Диагностическое мероприятие", "@s36", 30),
                     ListColumn("ID мероприятия", "@n_9.1", 14).right(),
                     ListColumn("Вид животного", "@n5", 6).right()});
    w.as<ui::ListControl>("?BOL:NAME")
        ->change()
        .setColumns({ListColumn("Профилактическое мероприятие", "@s36", 30),
                     ListColumn("iD мероприятия", "@n_9.1", 14).right(),
                     ListColumn("Вид животного", "@n5", 6).right()});
    w.as<ui::ListControl>("?EXP:NAME")
        ->change()
        .setColumns({ListColumn("Наименование шаблона для экспорта", "@s60", 30),
                     ListColumn("Расположение  файла шаблона для экспорта", "@s128", 40),
                     ListColumn("Вариант расчета для экспорта", "@n3", 4).right(),
                     ListColumn("Со строки", "@n7", 6).right(), ListColumn("по строку", "@n7", 6).right()});
}

}  // namespace vx::exchange
