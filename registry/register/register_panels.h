#pragma once
// The register's panels of the current animal's measure records, one per measure
// kind: the list, its buttons and tools, and its columns. The files and the form
// of each kind are the measure-kind table's.

#include "dictionary/list_columns.h"
#include "planning/measure_kinds.h"

namespace vx::registry {

struct RegisterPanel {
    struct Tool {
        const char* control;
        const char* icon;
        const char* tip;
        const char* procedure;  // started on a thread of its own
    };
    const char* prompt;
    const char* promptControl;
    const char* list;
    const char* listTip;  // empty: none
    int updateNumber;     // the browse's update procedure; the edit buttons end in ":<number>"
    const char* printButton;
    const char* printTip;
    int printNumber;      // the report procedure the print button runs
    const char* insertTip;
    const char* changeTip;
    const char* deleteTip;
    Tool tools[2];        // after the edit buttons, in this order
    bool styled;          // takes the register's list styles
    const dct::ColumnTable& columns;
};

const RegisterPanel& registerPanel(planning::MeasureKind kind);

}  // namespace vx::registry
