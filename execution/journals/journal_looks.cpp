#include "execution/journals/journal_looks.h"

#include "registry/register/row_looks.h"

namespace vx::execution {

RowLook rowLook(const MeasureFields& r, int32_t today) {
    const bool diagnostic = r.expertiseNumber != nullptr;
    const bool expertise = diagnostic && registry::actNumberSet(r.expertiseNumber->str());
    RowLook look{};
    look.notDoneTint = !registry::actNumberSet(r.actNumber.str()) && !expertise;
    look.marked = r.mark == 1;
    look.done = r.headsDone.value() > Decimal(0) && r.treatmentsDone.value() > Decimal(0);
    look.overdue = r.planned < today && r.actDate == 0;
    look.actIcon = r.actDate > 0 || expertise;
    look.reacted = diagnostic && *r.reaction == 1;
    look.actDateMoved = !diagnostic && r.actDate != 0 && r.actDate != r.planned;
    return look;
}

}  // namespace vx::execution
