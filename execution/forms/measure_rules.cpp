#include "execution/forms/measure_rules.h"

#include "planning/planned_date.h"
#include "planning/stage.h"

namespace vx::execution {

using planning::Stage;

namespace {

constexpr Byte kYoungStock = 1;
constexpr Byte kMainHerd = 2;

}  // namespace

void planFromScheme(const MeasureFields& r, const planning::Scheme& scheme, Byte herdGroup, int32_t birthDate,
                    int32_t today) {
    if (r.actDate != 0) return;
    if (herdGroup != kMainHerd && herdGroup != kYoungStock) return;
    const Stage stage = planning::stageOf(r.measure.value());
    if (stage == Stage::None) return;
    const planning::PlanSet& set = herdGroup == kMainHerd ? scheme.mainHerd : scheme.youngStock;
    r.headsPlanned = set.heads;
    if (stage != Stage::Second) r.treatmentsPlanned = set.treatments;
    if (r.planned != 0) return;
    if (const auto date = planning::plannedDate(set.fixedDate, set.days, birthDate, today)) r.planned = *date;
}

void markDone(const MeasureFields& r) {
    if (r.actDate <= 0) return;
    const Stage stage = planning::stageOf(r.measure.value());
    if (stage == Stage::Second) {
        if (r.headsDone.isZero()) r.headsDone = 1;
        return;
    }
    if (stage == Stage::None) return;
    if (r.headsDone.isZero() && r.treatmentsDone.isZero()) {
        r.headsDone = 1;
        r.treatmentsDone = 1;
    }
}

}  // namespace vx::execution
