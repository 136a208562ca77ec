#include "database/database_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::database {

using namespace dct;

void layoutUpdateBD(ui::Window& w) {
    w.setCaption("Групповой объект учета");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Наименование", [&] {
                b.grid(2, [&] {
                    b.prompt("iD группового объекта учета");
                    b.entry("?RID:KOD", RID->KOD, "@n2b").setTooltip("Id района");
                    b.prompt("Наименование объекта");
                    b.entry("?RID:NAME", RID->NAME, "@s35").setTooltip("Наименование");
                });
                b.check("?RID:CHEK", "Показать при выборе БД", RID->CHEK);
            });
        });
        b.row([&] {
            b.button("?OK", "&Да").setTooltip("Accept data and close the window");
            b.button("?CANCEL", "&Отмена").setTooltip("Cancel operation");
        });
    });
}

}  // namespace vx::database
