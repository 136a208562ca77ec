#include "app/globals.h"
#include "exchange/exchange_layouts.h"

namespace vx::exchange {

using ui::ListColumn;

void placePickers(ui::LayoutBuilder& b) {
    b.fileDropCombo("?HOZ:NAME", glo::HOZNAME, "@s40").setTooltip("Наименование хозяйства, поселения");
    b.fileDropCombo("?FER:NAME", glo::FERNAME, "@s40").setTooltip("Наименование фермы, населённого пункта");
}

void pickerColumns(ui::Window& w) {
    w.as<ui::DropControl>("?HOZ:NAME")
        ->change()
        .setColumns({ListColumn("Наименование хозяйства, поселения", "@s40", 30),
                     ListColumn("iD хозяйства, поселения", "@n3", 4).right()});
    w.as<ui::DropControl>("?FER:NAME")
        ->change()
        .setColumns({ListColumn("Наименование фермы, населённого пункта", "@s40", 30),
                     ListColumn("ID фермы, населённого пункта", "@n3", 4).right()});
}

}  // namespace vx::exchange
