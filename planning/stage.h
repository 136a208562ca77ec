#pragma once
// The stage digit of a measure id: the tenths digit of ids like 15.0, 15.1, 15.2.
// The integer part names the measure; the digit tells a one-stage measure (.0),
// the first (.1) or the second (.2) stage of a two-stage one, or no stage at all.

#include "platform/core/decimal.h"
#include "platform/core/fields.h"

namespace vx::planning {

enum class Stage { Single, First, Second, None };

Stage stageOf(const Decimal& measureId);

// Stages .1 and .2 are shown in the green row style of the scheme and measure lists.
inline bool isTwoStage(Stage s) { return s == Stage::First || s == Stage::Second; }

// The plan counts a measure's stage sets: both 1 for .0 and .1, the heads alone
// for .2, neither for any other digit.
void applyStageDefaults(const Decimal& measureId, Dec& heads, Dec& treatments);

}  // namespace vx::planning
