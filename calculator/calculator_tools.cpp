#include "calculator/calculator_tools.h"

#include <span>

namespace vx::calculator {

using execution::AnalysisScope;
using planning::MeasureKind;

namespace {

const CalculatorTool kBoardButtons[] = {
    {"?BUTTON15", MeasureKind::Diagnostic, AnalysisScope::Holding},
    {"?BUTTON16", MeasureKind::Diagnostic, AnalysisScope::Farm},
    {"?BUTTON24", MeasureKind::Preventive, AnalysisScope::Holding},
    {"?BUTTON25", MeasureKind::Preventive, AnalysisScope::Farm},
};

const CalculatorTool kAnalysisButtons[] = {
    {"?BUTTON20", MeasureKind::Diagnostic, AnalysisScope::Holding},
    {"?BUTTON21", MeasureKind::Diagnostic, AnalysisScope::Farm},
    {"?BUTTON28", MeasureKind::Preventive, AnalysisScope::Holding},
    {"?BUTTON29", MeasureKind::Preventive, AnalysisScope::Farm},
};

const CalculatorTool* find(std::span<const CalculatorTool> tools, std::string_view control) {
    for (const CalculatorTool& t : tools)
        if (control == t.control) return &t;
    return nullptr;
}

}  // namespace

const CalculatorTool* boardButton(std::string_view control) { return find(kBoardButtons, control); }
const CalculatorTool* analysisButton(std::string_view control) { return find(kAnalysisButtons, control); }

}  // namespace vx::calculator
