#include "exchange/exchange_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::exchange {

using namespace dct;
using ui::ListColumn;

const ColumnTable& catalogueColumns() {
    static const ColumnTable columns{{"NPP", Access::EXPORT, ListColumn(" № шаблона", "@n6", 6).right()},
                                     {"NAME", Access::EXPORT,
                                      ListColumn("Наименование шаблона документа для экспорта", "@s60", 36)},
                                     {"VRASCH", Access::EXPORT, ListColumn("Вариант экспорта", "@n3", 4).right()},
                                     {"FNAME", Access::EXPORT, ListColumn("Расположение  файла шаблона", "@s128", 40)}};
    return columns;
}

void layoutBrowseExp(ui::Window& w) {
    w.setCaption("Варианты шаблонов документов для экспорта");
    w.setIcon("EXCEL.ICO");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
         b.sheet("?CURRENTTAB", [&] {
              b.tab("?TAB:2", "Список шаблонов для экспорта", [&] { b.list("?BROWSE:1", 10).stretch(); });
          }).stretch();
         b.row([&] {
             b.button("?SELECT:2", "Выбрать", "WAselect.ico").setTooltip("Select the Record").hide();
             b.button("?INSERT:4", "", "spis_plus.ico").setTooltip("Добавить шаблон");
             b.button("?CHANGE:4", "", "spis_edit.ico").setTooltip("Редактировать запись");
             b.button("?DELETE:4", "", "spis_minus.ico").setTooltip("Удалить шаблон");
             b.button("?BUTTON5", "", "help.ico").setTooltip("[Помощь о вариантах экспорта]");
         });
     }).stretch();
    showColumns(w.as<ui::ListControl>("?BROWSE:1")->change(), catalogueColumns());
}

}  // namespace vx::exchange
