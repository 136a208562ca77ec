#pragma once
// The plan-execution analyses into an Excel template that the user picks: the
// journals' (Alt+X by holding, Alt+Y by farm) and the calculator's four
// (?BUTTON20, 21, 28, 29). One implementation; the sheet is office's analysis
// sheet, and the analyses differ only in this table:
//
//                     journal analyses                 calculator analyses
//   records           VPO, VDI                         PVSEGO, DVSEGO
//   taken             every one of the holding (farm)  those of the holding (farm) dated in the period
//   D of a .0/.1 row  GLVUP of stages .0 and .1        GLVUP of execution records (CHVUP = 1), .0 and .1
//   D of a .2 row     GOVUP of stage .2                GLVUP of execution records, .2
//   C                 left to the template or user     GLPVUP of plan records (CHPLAN = 1), by stage as D
//   species name      as stored (20 characters)        diagnostic clipped, preventive as stored
//   end message       "Экспорт в Excel завершен!"      diagnostic the same, preventive "Экспорт в Excel завершен!?"
//   current folder    back to PUTK after the dialog    also at the end
//
// Each run has its own sums, row counter and automation control, so analyses in
// two windows never mix. Measure numbers outside 1..2,000 add nothing and their
// rows get no C or D.

#include "execution/analysis_selection.h"
#include "office/analysis_sheet.h"
#include "planning/measure_kinds.h"

namespace vx::execution {

using planning::MeasureKind;

enum class AnalysisSource { Journal, Calculator };

enum class AnalysisEnd {
    NoTemplate,  // the dialog was cancelled or gave an empty path: the window closes, no message
    Stopped,     // a file or an office call failed; the user has been told
    Done,        // the completion message has been shown and the workbook is in view
};

// The whole operation as the window's handler runs it, on the window's thread:
// the template dialog, the scan of the records of IDHOZ (and IDFERM, for
// AnalysisScope::Farm), the sheet, the completion message, the workbook shown.
AnalysisEnd runAnalysis(AnalysisSource source, MeasureKind kind, AnalysisScope scope);

// The scan alone: the sums of the selected records. The record file must be
// open on the running thread.
office::MeasureTotals scanAnalysis(AnalysisSource source, MeasureKind kind, const AnalysisSelection& selection);

}  // namespace vx::execution
