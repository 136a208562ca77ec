#include "registry/forms/forms_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::registry {

using namespace dct;

void layoutUpdateferma(ui::Window& w) {
    w.setCaption("Ферма, населённый пункт");
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Ферма, населённый пункт", [&] {
                b.grid(2, [&] {
                    b.prompt("ID фермы (населённого пункта)", "?FER:IDFERM:PROMPT");
                    b.entry("?FER:IDFERM", FER->IDFERM, "@n_2b");
                    b.prompt("Хозяйство (поселение)", "?FER:IDHOZ:PROMPT");
                    b.row([&] {
                        b.entry("?FER:IDHOZ", FER->IDHOZ, "@n_2b").setTooltip("iD хозяйства");
                        b.display("?HOZ:NAME", HOZ->NAME, "@s40").setTooltip("Наименование хозяйства").stretch();
                    });
                    b.prompt("Наименование фермы (населённого пункта)", "?FER:NAME:PROMPT");
                    b.entry("?FER:NAME", FER->NAME, "@s40").setTooltip("Наименование");
                });
            });
            b.tab("?TAB:2", "Записная книжка [структура поголовья]", [&] {
                b.text("?FER:PRIM", FER->PRIM, 12)
                    .setTooltip("Структура поголовья, заполняется\nинструментом [Структура поголовья]")
                    .setStatusText("Примечание");
            });
        });
        b.row([&] {
            b.button("?OK", "&Да", "BOXCHECK.ICO").setTooltip("Сохранить и закрыть форму");
            b.button("?CANCEL", "&Отменить", "WACancel.ico").setTooltip("Отменить изменения");
        });
    });
}

}  // namespace vx::registry
