#include "registry/books/books_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::registry::books {

using namespace dct;
using ui::ListColumn;

const ColumnTable& groupSpeciesColumns() {
    static const ColumnTable columns{{"NAME", Access::ANIMVID, ListColumn("Вид животного", "@s20", 20)},
                                     {"IDANIM", Access::ANIMVID, ListColumn("ID", kIdPicture, 4).right()}};
    return columns;
}

void layoutUpdatePol(ui::Window& w) {
    w.setCaption("Поло-возрастная группа (справочник)");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Поло-возрастная группа", [&] {
                b.fileDropCombo("?ANI:NAME", ANI->NAME, "@s20").setTooltip("Наименование вида животного");
                b.grid(2, [&] {
                    b.prompt("ID поло-возрастной группы", "?POL:IDPOL:PROMPT");
                    b.entry("?POL:IDPOL", POL->IDPOL, kIdPicture).setTooltip("ID поло-возрастной группы");
                    b.prompt("Наименование поло-возрастной группы", "?POL:NAME:PROMPT");
                    b.entry("?POL:NAME", POL->NAME, "@s20").setTooltip("Наименование поло-возрастной группы");
                });
            });
        });
        b.row([&] {
            b.button("?OK", "Да", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
            b.button("?CANCEL", "Отмена", "WACancel.ico").setTooltip("Отменить изменения");
        });
    });
    showColumns(w.as<ui::DropControl>("?ANI:NAME")->change(), groupSpeciesColumns());
}

}  // namespace vx::registry::books
