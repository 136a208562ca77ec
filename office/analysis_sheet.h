#pragma once
// The sheet of the plan-execution analyses, one for the journals and the
// calculator. From row 7: one row per species (its name in B) and under it one
// row per scheme of that species (A its measure id, B its name, E to H the
// formulas of the id's stage digit). Each row is written into the row the one
// before it inserted (all inserted in one call), so the template's own rows from
// 8 on (totals, signatures) end up below the table, after one empty formatted row. Then every row's
// measure id is read back from column A and column D (and C when the analysis
// has plans) gets the sums of that measure number and stage.
//
//   stage   E                          F              G              H
//   .0      =ЕСЛИ(Cr>0;Dr/Cr*100;)     =Cr            =Dr            =ЕСЛИ(Fr>0;Gr/Fr*100;)
//   .1      as .0                      =Cr+C(r+1)     =Dr+D(r+1)     as .0
//   .2      as .0                      -              -              -
//   other   -                          -              -              -
//
// The sums belong to one run: every analysis has its own.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "office/excel_template.h"
#include "platform/core/decimal.h"

namespace vx::office {

// What one record adds to its measure: a record of stage .0 or .1 adds `done`
// and `planned`, a record of stage .2 the second-stage pair.
struct StageCounts {
    Decimal done;
    Decimal doneSecond;
    Decimal planned;
    Decimal plannedSecond;
};

// The sums of one analysis by measure number (the integer part of a measure id), 1 to 2,000.
class MeasureTotals {
public:
    static constexpr int kMeasures = 2000;

    // Other stage digits, and numbers outside 1..2,000, add nothing.
    void add(const Decimal& measureId, const StageCounts& counts);

    struct Shown {
        Decimal done;     // column D
        Decimal planned;  // column C
    };
    // What the row of that measure id shows: the sums of stages .0 and .1 for a
    // .0 or .1 row, of stage .2 for a .2 row; nullopt for any other id.
    std::optional<Shown> forRow(const Decimal& measureId) const;

private:
    struct Entry {
        Decimal done, doneSecond, planned, plannedSecond;
    };
    std::vector<Entry> entries_ = std::vector<Entry>(kMeasures);
};

struct SheetScheme {
    Decimal id;
    std::string name;  // as written, blanks kept
};
struct SheetSpecies {
    std::string name;  // as written, blanks kept
    std::vector<SheetScheme> schemes;
};

// Writes the table into the opened template and fills D (and C with `withPlan`:
// a species row gets no C) from `totals`. Returns the last row written (6 when
// there is no species); stops where the fill fails.
std::int64_t writeAnalysisSheet(ExcelTemplate& excel, const std::vector<SheetSpecies>& table,
                                const MeasureTotals& totals, bool withPlan);

}  // namespace vx::office
