#pragma once
// Everything in which the two group-execution tools differ: Vp_VPO for the
// preventive records (VPO), Vp_VDI for the diagnostic ones (VDI).

#include "dictionary/names.h"
#include "execution/group/group_execution.h"

namespace vx::execution {

struct GroupToolKind {
    MeasureKind kind;
    const char* procedure;  // and the INI section
    const char* caption;
    dct::RelateRef measures;
    dct::AccessRef measureFile;
    dct::RelateRef schemes;
    dct::AccessRef schemeFile;
    int schemeKey;
    const char* schemeId;  // the scheme's id field
    Dec* chosenMeasure;    // IDBOL, IDTASK

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
    bool expertise;
    const char* runButton;

    DoneRule done;
    const char* messageCaption;
};

const GroupToolKind& groupToolKind(MeasureKind kind);

}  // namespace vx::execution
