#include "exchange/exchange_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::exchange {

using namespace dct;

void layoutUpDateExp(ui::Window& w) {
    w.setCaption("Редактировать параметры экспорта");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Параметры экспорта", [&] {
                b.grid(3, [&] {
                    b.prompt(" № шаблона [авто]", "?EXP:NPP:PROMPT");
                    b.entry("?EXP:NPP", EXP->NPP, "@n6").setTooltip(" № п/п");
                    b.prompt("");
                    b.prompt("Наименование шаблона экспорта", "?EXP:NAME:PROMPT");
                    b.entry("?EXP:NAME", EXP->NAME, "@s128").setTooltip("Наименование экспорта");
                    b.prompt("");
                    b.prompt("Расположение  файла шаблона для экспорта", "?EXP:FNAME:PROMPT");
                    b.entry("?EXP:FNAME", EXP->FNAME, "@s128").setTooltip("Расположение  шаблона для экспорта");
                    b.button("?LOOKUPFILE", "...");
                    b.prompt("Вариант расчета для экспорта", "?EXP:VRASCH:PROMPT");
                    b.spin("?EXP:VRASCH", EXP->VRASCH, "@n3", Decimal(0), Decimal(99))
                        .setTooltip("Вариант расчета для экспорта");
                    b.prompt("");
                    b.prompt("Со строки", "?EXP:STROKA1:PROMPT");
                    b.entry("?EXP:STROKA1", EXP->STROKA1, "@n7").setTooltip("Со строки");
                    b.prompt("");
                    b.prompt("по строку", "?EXP:STROKA2:PROMPT");
                    b.entry("?EXP:STROKA2", EXP->STROKA2, "@n7").setTooltip("по строку");
                    b.prompt("");
                });
            });
            b.tab("?TAB:2", "Описание возможных вариантов экспорта", [&] { b.text("?EXP:PRIM", EXP->PRIM, 8); });
        });
        b.row([&] {
            b.button("?OK", "Да", "WAOk.ICO").setTooltip("Accept data and close the window");
            b.button("?CANCEL", "Отменить", "WACancel.ico").setTooltip("Cancel operation");
        });
    });
}

}  // namespace vx::exchange
