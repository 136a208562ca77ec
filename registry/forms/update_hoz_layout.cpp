#include "registry/forms/forms_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::registry {

using namespace dct;

void layoutUpdatehoz(ui::Window& w) {
    w.setCaption("Хозяйство, поселение");
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Хозяйство, поселение", [&] {
                b.grid(2, [&] {
                    b.prompt("iD хозяйства (поселения)", "?HOZ:IDHOZ:PROMPT");
                    b.entry("?HOZ:IDHOZ", HOZ->IDHOZ, "@n_2b").setTooltip("iD хозяйства");
                    b.prompt("Наименование хозяйства (поселения)", "?HOZ:NAME:PROMPT");
                    b.entry("?HOZ:NAME", HOZ->NAME, "@s40").setTooltip("Наименование хозяйства");
                });
                b.option(
                     "?HOZ:SEKTOR", HOZ->SEKTOR,
                     [&] {
                         b.radio("?HOZ:SEKTOR:RADIO1", "Общественный", Value(1));
                         b.radio("?HOZ:SEKTOR:RADIO2", "Частный", Value(2));
                     },
                     "Сектор")
                    .setTooltip("Сектор");
            });
            b.tab("?TAB:2", "Записная книжка [структура поголовья]", [&] {
                b.text("?HOZ:PRIM", HOZ->PRIM, 12)
                    .setTooltip("Структура поголовья, заполняется\nинструментом [Структура поголовья]")
                    .setStatusText("Примечание");
            });
        });
        b.row([&] {
            b.button("?OK", "Да", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
            b.button("?CANCEL", "Отменить", "WACancel.ico").setTooltip("Отменить изменения");
        });
    });
}

}  // namespace vx::registry
