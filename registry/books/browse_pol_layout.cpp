#include "registry/books/books_layouts.h"

#include "platform/ui/layout.h"

namespace vx::registry::books {

using ui::ListColumn;

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
    w.as<ui::ListControl>("?BROWSE:1")
        ->change()
        .setColumns({ListColumn("Поло-возрастная группа", "@s20", 20),
                     ListColumn("ID поло-возрастной группы", kIdPicture, 4).right(),
                     ListColumn("ID вида животных", kIdPicture, 4).right()});
}

}  // namespace vx::registry::books
