#pragma once
// The calculator's board and analysis buttons, by their control names: what
// each one sums or analyses.
//
//   board      ?BUTTON15  diagnostic, holding     ?BUTTON16  diagnostic, farm
//              ?BUTTON24  preventive, holding     ?BUTTON25  preventive, farm
//   analysis   ?BUTTON20  diagnostic, holding     ?BUTTON21  diagnostic, farm
//              ?BUTTON28  preventive, holding     ?BUTTON29  preventive, farm

#include <string_view>

#include "execution/analysis_selection.h"
#include "planning/measure_kinds.h"

namespace vx::calculator {

struct CalculatorTool {
    const char* control;
    planning::MeasureKind kind;
    execution::AnalysisScope scope;
};

// nullptr for any other control.
const CalculatorTool* boardButton(std::string_view control);
const CalculatorTool* analysisButton(std::string_view control);

}  // namespace vx::calculator
