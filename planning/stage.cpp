#include "planning/stage.h"

namespace vx::planning {

Stage stageOf(const Decimal& measureId) {
    const Decimal digit = measureId.fraction();
    if (digit == Decimal(0)) return Stage::Single;
    if (digit == Decimal::fromMantissa(1, 1)) return Stage::First;
    if (digit == Decimal::fromMantissa(2, 1)) return Stage::Second;
    return Stage::None;
}

void applyStageDefaults(const Decimal& measureId, Dec& heads, Dec& treatments) {
    const Stage stage = stageOf(measureId);
    if (stage == Stage::None) return;
    heads = 1;
    if (stage != Stage::Second) treatments = 1;
}

}  // namespace vx::planning
