#include "dictionary/names.h"
#include "exchange/exchange_layouts.h"

namespace vx::exchange {

using namespace dct;
using ui::ListColumn;

const ColumnTable& holdingPickColumns() {
    static const ColumnTable columns{{"NAME", Access::HOZ, ListColumn("Наименование хозяйства, поселения", "@s40", 30)},
                                     {"IDHOZ", Access::HOZ, ListColumn("iD хозяйства, поселения", "@n3", 4).right()}};
    return columns;
}

const ColumnTable& farmPickColumns() {
    static const ColumnTable columns{{"NAME", Access::FERMA,
                                      ListColumn("Наименование фермы, населённого пункта", "@s40", 30)},
                                     {"IDFERM", Access::FERMA,
                                      ListColumn("ID фермы, населённого пункта", "@n3", 4).right()}};
    return columns;
}

void placePickers(ui::LayoutBuilder& b, PlaceFields& f) {
    b.fileDropCombo("?HOZ:NAME", f.holding, "@s40").setTooltip("Наименование хозяйства, поселения");
    b.fileDropCombo("?FER:NAME", f.farm, "@s40").setTooltip("Наименование фермы, населённого пункта");
}

void pickerColumns(ui::Window& w) {
    showColumns(w.as<ui::DropControl>("?HOZ:NAME")->change(), holdingPickColumns());
    showColumns(w.as<ui::DropControl>("?FER:NAME")->change(), farmPickColumns());
}

}  // namespace vx::exchange
