#pragma once
// What the two group-execution tools differ in beyond the measure-kind table
// (their measure and scheme files and the current-measure global): Vp_VPO for
// the preventive records (VPO), Vp_VDI for the diagnostic ones (VDI).

#include "execution/group/group_execution.h"
#include "planning/measure_kinds.h"

namespace vx::execution {

struct GroupToolKind {
    MeasureKind kind;
    const char* procedure;  // and the INI section
    const char* caption;

    const char* holdingLabel;
    const char* farmLabel;
    const char* farmNameTitle;
    const char* measureLabelControl;
    const char* measureLabel;
    const char* measureNameTitle;
    const char* measureIdTitle;

    const char* statementNumberPrompt;
    const char* statementDatePrompt;
    const char* statementDocPrompt;
    const char* statementDialog;
    bool expertise() const { return planning::measureKind(kind).expertise; }
    const char* runButton;

    DoneRule done;
    const char* messageCaption;
};

const GroupToolKind& groupToolKind(MeasureKind kind);

}  // namespace vx::execution
