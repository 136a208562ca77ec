#include "planning/schemes/plan_for_marked.h"

#include <optional>
#include <string>

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

}  // namespace

PlanOutcome planForMarked(MeasureKind kind, const Scheme& scheme) {
    PlanOutcome outcome;
    const MeasureKindRow& m = measureKind(kind);
    BulkWrite work(m.planCaption, {Access::PASPORT, m.measures.access});
    if (!work.ok()) return outcome;
    store::Table& measures = work.table(m.measures.access);
    const int32_t today = clock::today();
    work.table(Access::PASPORT).scan({}, [&](store::Position, const void* record) {
        const auto& p = *static_cast<const PASPORTRecord*>(record);
        if (p.CHEK != 1 || p.VIDANIM.value() != scheme.species) return true;
        if (p.OSNMOL != kMainHerd && p.OSNMOL != kYoungStock) return true;
        const planning::PlanSet& set = p.OSNMOL == kMainHerd ? scheme.mainHerd : scheme.youngStock;
        const std::optional<int32_t> date = planning::plannedDate(set.fixedDate, set.days, p.DATAROG, today);
        if (!date) {
            ++outcome.withoutBirthDate;
            return true;
        }
        const PlannedMeasure planned{p.ID,     p.IDHOZ,     p.IDFERMA, p.IDANIM.str(), scheme.species, p.IDPOL,
                                     scheme.id, set.heads, set.treatments, *date, {}, {}};
        if (!m.measures.append(measures, planned)) return work.refused(m.measures.access);
        ++outcome.added;
        return true;
    });
    outcome.stored = work.commit();
    return outcome;
}

void reportPlan(MeasureKind kind, const PlanOutcome& outcome) {
    const MeasureKindRow& m = measureKind(kind);
    reportPlan(m.planCaption, m.planDone, outcome);
}

void reportPlan(const std::string& caption, const std::string& done, const PlanOutcome& outcome) {
    if (!outcome.stored) return;
    ui::messageBox(caption, done);
    if (outcome.withoutBirthDate > 0)
        ui::messageBox(caption,
                       "Не запланировано животных без даты рождения: " + std::to_string(outcome.withoutBirthDate) +
                           ".|Укажите дату рождения в паспорте животного.");
}

}  // namespace vx::planning::schemes
