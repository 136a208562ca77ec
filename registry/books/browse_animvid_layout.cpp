#include "registry/books/books_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::registry::books {

using namespace dct;
using ui::ListColumn;

const ColumnTable& speciesColumns() {
    static const ColumnTable columns{{"IDANIM", Access::ANIMVID, ListColumn("iD", kIdPicture, 4).right()},
                                     {"NAME", Access::ANIMVID, ListColumn("Наименование вида животного", "@s20", 20)}};
    return columns;
}

void layoutBrowseanimvid(ui::Window& w) {
    w.setCaption("Вид животных (справочник)");
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Resize);
    ui::LayoutBuilder b(w);
    b.column([&] {
         // The tabs choose the list's order; the list sits under them on every tab.
         b.sheet("?CURRENTTAB", [&] {
             b.tab("?TAB:2", "ID", [] {});
             b.tab("?TAB:3", "Наименование животного", [] {});
         });
         b.list("?BROWSE:1", 10).stretch();
         b.row([&] {
             b.button("?INSERT:3", "", "spis_plus.ico");
             b.button("?CHANGE:3", "", "spis_edit.ico");
             b.button("?DELETE:3", "", "spis_minus.ico");
         });
     }).stretch();
    ui::ListModel& look = w.as<ui::ListControl>("?BROWSE:1")->change();
    showColumns(look, speciesColumns());
    look.setFrozenColumns(2);
}

}  // namespace vx::registry::books
