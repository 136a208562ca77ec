#pragma once
// The journals' whole-file operations on the measure records and passports,
// without keys, lists or messages. Each reads the records of its farm (delete:
// the whole file) and writes every record it changes at once (measure_rewrite.h).
//
//   scope    records with
//   farm     IDHOZ = the holding, IDFERMA = the farm
//   measure  farm and IDTASK = the measure (exact decimals: 5.1 is not 5.2)
//   row      measure and ID = the animal, whatever the planned date
//
// Texts compare as stored (trailing blanks do not count; case and leading
// blanks do); a text of blanks only is empty.

#include <string>

#include "execution/operations/measure_rewrite.h"

namespace vx::execution {

enum class Marking {
    Row,        // 0 and 1 swap, other values stay
    Measure,    // toggle: 1 becomes 0, anything else 1
    NotDone,    // toggle the measure's records with both counters 0
    Done,       // toggle those with both counters above 0
    Statement,  // toggle the farm's records with this statement number (not empty)
    Act,        // toggle the farm's records with this act number: see ActRule
    Expertise,  // toggle the farm's records with this expertise number (not empty)
    ClearFarm,  // the farm's marks become 0
};

// Which records "by act number" takes besides the number being equal.
enum class ActRule {
    Dated,     // those with an act date, an empty number too
    Numbered,  // those whose number is not empty
};

// The context an operation acts on, as the journal's list events left it.
struct MarkingContext {
    Decimal holding, farm, measure, animal;
    std::string statement, act, expertise;

    // IDHOZ, IDFERM, the kind's current measure (IDBOL, IDTASK), UNIK, NVEDJPIS, NAKT, NEKSP.
    static MarkingContext current(MeasureKind kind);
};

WriteTally markRecords(MeasureKind kind, Marking marking, ActRule actRule, const MarkingContext& c);

// Every passport of the holding and farm with that inventory number: 0 and 1 swap.
WriteTally markAnimal(const Decimal& holding, const Decimal& farm, const std::string& inventoryNumber);

// Marked records of the whole file, of every holding and farm.
int countMarked(MeasureKind kind);
WriteTally deleteMarked(MeasureKind kind);

// The farm's marked records, of every measure, lose their counters, act and
// (diagnostic) expertise; their marks, statement and plan stay.
WriteTally takeExecutionOff(MeasureKind kind, const Decimal& holding, const Decimal& farm);

}  // namespace vx::execution
