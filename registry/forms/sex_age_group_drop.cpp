#include "registry/forms/sex_age_group_drop.h"

#include "dictionary/names.h"
#include "registry/forms/forms_layouts.h"
#include "platform/classes/form_manager.h"

namespace vx::registry {

using namespace dct;

void SexAgeGroupDrop::Init(ui::DropControl& drop, classes::FormManager& form) {
    form_ = &form;
    FileDropComboClass::Init(drop, *Access::POLVOZ, form);
    view().orderByKey(POL_K2.index);
    view().setRange({[] { return Value(Decimal(PAS->VIDANIM)); }});
    addColumns(*this, sexAgeGroupColumns());
    addUpdateField(*Access::POLVOZ, "IDPOL", PAS->IDPOL);
}

bool SexAgeGroupDrop::takeFirst(const ui::Event& e) {
    // The accept-all pass of OK chooses nothing: a namesake of another species' group must not replace it.
    if (form_->acceptingAll()) return false;
    FileDropComboClass::takeFirst(e);
    const bool chosen =
        e.control == drop().id() && (e.kind == ui::EventKind::NewSelection || e.kind == ui::EventKind::Accepted);
    const int entry = chosenEntry();
    if (chosen && entry >= 0) {
        // Also an entry the last fill took and reset gave back.
        const ColumnTable& columns = sexAgeGroupColumns();
        PAS->IDPOL = drop().model().cell(entry, columnOf(columns, "IDPOL")).value.toNumber();
        POL->IDPOL = PAS->IDPOL;
        POL->NAME = drop().model().cellText(entry, columnOf(columns, "NAME"));
    }
    return false;
}

void SexAgeGroupDrop::reset(bool force) {
    const Decimal kept = PAS->IDPOL;
    const std::string keptName = POL->NAME.str();
    FileDropComboClass::reset(force);
    if (kept.isZero() || Decimal(PAS->IDPOL) == kept) return;
    PAS->IDPOL = kept;
    POL->IDPOL = kept;
    POL->NAME = keptName;
    drop().change().setCurrent(-1);
}

}  // namespace vx::registry
