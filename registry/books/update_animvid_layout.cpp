#include "registry/books/books_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::registry::books {

using namespace dct;

void layoutUpdateanimvid(ui::Window& w) {
    w.setCaption("Вид животного");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Вид животного", [&] {
                b.grid(2, [&] {
                    b.prompt("ID вида животного", "?ANI:IDANIM:PROMPT");
                    b.entry("?ANI:IDANIM", ANI->IDANIM, kIdPicture).setTooltip("ID животного");
                    b.prompt("Наименование вида животного", "?ANI:NAME:PROMPT");
                    b.entry("?ANI:NAME", ANI->NAME, "@s20").setTooltip("Наименование животного");
                });
            });
        });
        b.row([&] {
            b.button("?OK", "Да", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
            b.button("?CANCEL", "Отменить", "WACancel.ico").setTooltip("Отменить изменения");
        });
    });
}

}  // namespace vx::registry::books
