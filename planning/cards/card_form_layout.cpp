#include "dictionary/names.h"
#include "planning/cards/cards_layouts.h"
#include "platform/ui/layout.h"

namespace vx::planning::cards {

using namespace dct;

void layoutCardForm(ui::Window& w, MeasureKind kind) {
    const CardBook& c = measureKind(kind).cards;
    CardRecord& r = c.card();
    w.setCaption(c.cardFormCaption);
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::None);
    ui::LayoutBuilder b(w);
    b.column([&] {
        b.sheet("?CURRENTTAB", [&] {
            b.tab("?TAB:1", "Типовая карта", [&] {
                b.grid(2, [&] {
                    b.prompt("ID типовой карты", c.cardControl("IDKARTIP") + ":PROMPT");
                    b.entry(c.cardControl("IDKARTIP"), r.IDKARTIP, kCardIdPicture).setTooltip(c.cardIdTip);
                    b.prompt("Вид животного", "?ANI:NAME:PROMPT");
                    ui::DropControl& species = b.fileDropList("?ANI:NAME", ANI->NAME);
                    species.setTooltip("Наименование вида животного");
                    showColumns(species.change(), c.speciesColumns());
                    b.prompt("Наименование типовой карты", c.cardControl("NAME") + ":PROMPT");
                    b.entry(c.cardControl("NAME"), r.NAME, "@s45").setTooltip(c.cardNameTip);
                });
            });
            b.tab("?TAB:2", "Описание", [&] { b.text(c.cardControl("PRIM"), r.PRIM, 8).setTooltip(c.cardMemoTip); });
        });
        b.row([&] {
            b.button("?OK", "Да", "WAOk.ICO").setTooltip("Сохранить и закрыть форму");
            b.button("?CANCEL", c.cancelCaption, "WACancel.ico").setTooltip("Отменить изменения");
        });
    });
}

}  // namespace vx::planning::cards
