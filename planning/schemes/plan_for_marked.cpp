#include "planning/schemes/plan_for_marked.h"

#include <optional>
#include <string>

#include "app/globals.h"
#include "dictionary/bulk_write.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"
#include "platform/ui/dialogs.h"

namespace vx::planning::schemes {

using namespace dct;

namespace {

constexpr Byte kYoungStock = 1;
constexpr Byte kMainHerd = 2;

void rememberAnimal(const PASPORTRecord& p) {
    glo::IDHOZ = p.IDHOZ;
    glo::IDFERM = p.IDFERMA;
    glo::IDANIM = p.IDANIM;
    glo::UNIK = p.ID;
    glo::IDPOL = p.IDPOL;
    glo::DATAROG = p.DATAROG;
}

std::string planCaption(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? "Планирование профилактического мероприятия"
                                           : "Планирование диагностического мероприятия";
}

// Appends one planned record, written from a record of its own so the thread's
// measure buffer (a list's current row) stays as it is.
template <class Record>
bool addPlanned(BulkWrite& work, AccessRef measures, const PASPORTRecord& p, const Scheme& s, const planning::PlanSet& set,
                int32_t date) {
    Record r;
    r.ID = p.ID;
    r.IDHOZ = p.IDHOZ;
    r.IDFERMA = p.IDFERMA;
    r.IDANIM = p.IDANIM;
    r.VIDANIM = s.species;
    r.IDPOL = p.IDPOL;
    r.IDTASK = s.id;
    r.GLPLAN = set.heads;
    r.GOPLAN = set.treatments;
    r.DATATASK = date;
    return work.insert(measures, &r).has_value();
}

}  // namespace

PlanOutcome planForMarked(MeasureKind kind, const Scheme& scheme) {
    PlanOutcome outcome;
    const AccessRef measures = kind == MeasureKind::Preventive ? Access::VPO : Access::VDI;
    BulkWrite work(planCaption(kind), {Access::PASPORT, measures});
    if (!work.ok()) return outcome;
    const int32_t today = clock::today();
    work.table(Access::PASPORT).scan({}, [&](store::Position, const void* record) {
        const auto& p = *static_cast<const PASPORTRecord*>(record);
        if (p.CHEK != 1 || p.VIDANIM.value() != scheme.species) return true;
        rememberAnimal(p);
        if (p.OSNMOL != kMainHerd && p.OSNMOL != kYoungStock) return true;
        const planning::PlanSet& set = p.OSNMOL == kMainHerd ? scheme.mainHerd : scheme.youngStock;
        const std::optional<int32_t> date = planning::plannedDate(set.fixedDate, set.days, p.DATAROG, today);
        if (!date) {
            ++outcome.withoutBirthDate;
            return true;
        }
        const bool added = kind == MeasureKind::Preventive ? addPlanned<VPORecord>(work, measures, p, scheme, set, *date)
                                                           : addPlanned<VDIRecord>(work, measures, p, scheme, set, *date);
        outcome.added += added ? 1 : 0;
        return added;
    });
    outcome.stored = work.commit();
    return outcome;
}

void reportPlan(MeasureKind kind, const PlanOutcome& outcome) {
    if (!outcome.stored) return;
    const bool preventive = kind == MeasureKind::Preventive;
    const std::string caption = planCaption(kind);
    ui::messageBox(caption, preventive ? "Профилактическое мероприятие добавлено! Снимите пометку запис(и/ей)!"
                                       : "Диагностическое мероприятие добавлено! Снимите пометку запис(и/ей)!");
    if (outcome.withoutBirthDate > 0)
        ui::messageBox(caption,
                       "Не запланировано животных без даты рождения: " + std::to_string(outcome.withoutBirthDate) +
                           ".|Укажите дату рождения в паспорте животного.");
}

}  // namespace vx::planning::schemes
