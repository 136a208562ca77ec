#include "dictionary/book_columns.h"

namespace vx::dct {

const ColumnTable& speciesDropColumns() {
    static const ColumnTable columns{
        {"NAME", Access::ANIMVID, ui::ListColumn("Наименование вида животного", "@s20", 20)},
        {"IDANIM", Access::ANIMVID, ui::ListColumn("ID вида животного", "@P####P", 4)}};
    return columns;
}

}  // namespace vx::dct
