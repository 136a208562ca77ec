#pragma once
// The calculator's board of sums and percentages (?TABLO): the count records of
// one measure number and species of the current holding (or farm) dated in the
// analysis period, summed by their plan and done flags and the stage digit:
//   stage .0, .1   heads and head-treatments;   stage .2   head-treatments only;
//   other stages   nothing.
// Sums are whole (never cut to the fields' widths), the percentages exact and
// rounded to two places, halves away from zero; a plan of 0 gives 0 per cent.
// The board's names come from the same values as its sums: the holding by
// IDHOZ, the farm by IDHOZ and IDFERM, the measure by the measure id in the
// board's own scheme file (blank when there is none).

#include <optional>
#include <string>

#include "execution/analysis_selection.h"
#include "planning/measure_kinds.h"
#include "platform/core/decimal.h"

namespace vx::calculator {

using execution::AnalysisScope;
using planning::MeasureKind;

struct BoardSelection {
    MeasureKind kind = MeasureKind::Diagnostic;  // DVSEGO and TASK, or PVSEGO and BOLEZN
    execution::AnalysisSelection records;        // holding, farm by scope, period
    Decimal species;                             // VIDANIM
    Decimal measureId;                           // its integer part selects

    // IDHOZ, IDFERM, IDVIDANIM, IDTASK, DATABEGIN and DATAEND as they are now.
    static BoardSelection current(MeasureKind kind, AnalysisScope scope);
};

struct BoardSums {
    Decimal headsPlanned, treatmentsPlanned, headsDone, treatmentsDone;
    Decimal headsDonePercent, treatmentsDonePercent;
};

struct BoardNames {
    std::string measure;  // clipped
    std::string holding;
    std::string farm;
};

struct Board {
    BoardSums sums;
    std::string text;                    // the nine lines, joined with CR LF
    std::optional<std::string> heading;  // for ?STRING3: only the preventive board by farm sets it
};

// One board button on the running thread: opens what it reads for the run;
// nullopt when a file cannot be read (its manager has told the user why).
std::optional<Board> runBoard(const BoardSelection& selection);

// Its steps. The count file, respectively HOZ, FERMA and the scheme file, must be open.
BoardSums sumBoard(const BoardSelection& selection);
BoardNames boardNames(const BoardSelection& selection);
std::string boardText(const BoardSelection& selection, const BoardSums& sums, const BoardNames& names);

}  // namespace vx::calculator
