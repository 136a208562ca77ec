#include "registry/books/books_layouts.h"

#include "dictionary/names.h"
#include "platform/ui/layout.h"

namespace vx::registry::books {

using namespace dct;
using ui::ListColumn;

const ColumnTable& groupColumns() {
    static const ColumnTable columns{
        {"NAME", Access::POLVOZ, ListColumn("Поло-возрастная группа", "@s20", 20)},
        {"IDPOL", Access::POLVOZ, ListColumn("ID поло-возрастной группы", kIdPicture, 4).right()},
        {"IDVIDANIM", Access::POLVOZ, ListColumn("ID вида животных", kIdPicture, 4).right()}};
    return columns;
}

void layoutBrowsePol(ui::Window& w) {
    w.setCaption("Поло-возрастная группа (справочник)");
    w.setIcon("medic.ico");
    w.setResize(ui::ResizeStrategy::Surface);
    ui::LayoutBuilder b(w);
    b.column([&] {
         b.sheet("?CURRENTTAB", [&] { b.tab("?TAB:2", "ID поло-возрасной группы", [] {}); });
         b.list("?BROWSE:1", 10).stretch();
         b.row([&] {
             b.button("?INSERT:3", "", "spis_plus.ico");
             b.button("?CHANGE:3", "", "spis_edit.ico");
             b.button("?DELETE:3", "", "spis_minus.ico");
         });
     }).stretch();
    showColumns(w.as<ui::ListControl>("?BROWSE:1")->change(), groupColumns());
}

}  // namespace vx::registry::books
