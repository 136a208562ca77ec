#pragma once
// The marking modes of the register's animal list in one table: each mode's
// entry of the marking list, its alert key, the rule it marks by, and the
// captions it leaves. Mode n is row n; row 0, "Не выделять животных", marks nothing.

#include <array>
#include <optional>
#include <string_view>

#include "dictionary/records.h"
#include "planning/measure_kinds.h"
#include "platform/ui/keys.h"

namespace vx::registry::marking {

using planning::MeasureKind;

enum class MarkingMode {
    None,
    Animal,
    SexAgeGroup,
    Species,
    Locality,
    YoungStock,
    MainHerd,
    ClearAll,
    Building,
    Herd,
    HerdName,
    DiagnosticUnplanned,
    DiagnosticUnplannedOrUndone,
    DiagnosticUndone,
    PreventiveUnplanned,
    PreventiveUnplannedOrUndone,
    PreventiveUndone,
    DiagnosticPlanned,
    PreventivePlanned,
};

inline constexpr int kMarkingModes = 19;

// What a group mode reads of the current animal and place.
struct MarkingContext {
    Decimal holding, farm, species, group, building, herd;
    std::string animal, herdName;
};

// Which of a measure's records count for a plan-status mode.
enum class Counted { Any, Done, NotStarted };

struct PlanStatusRule {
    MeasureKind kind;  // whose scheme window picks the measure
    Counted counted;
    bool markedWhenFound;  // else: marked when no such record exists
};

struct GroupRule {
    bool (*affects)(const dct::PASPORTRecord& p, const MarkingContext& c);
    Byte (*changed)(Byte mark);
};

struct MarkingModeRow {
    MarkingMode mode;
    std::string_view entry;  // of the marking list, letter for letter
    ui::Key key;
    std::optional<GroupRule> group;           // modes 1 to 10
    std::optional<PlanStatusRule> planStatus;  // modes 11 to 18
    std::string_view listCaption;     // TASKBOL after the mode from the list, when a passport was read
    bool listCaptionAlways;           // ... or whether one was read or not
    std::string_view messageCaption;  // of the completion message; empty: none
    bool messageByKey;                // the message also follows the alert key
};

const std::array<MarkingModeRow, kMarkingModes>& markingModes();
// The row of mode 1 to 18; nullptr for any other number.
const MarkingModeRow* markingMode(int mode);

}  // namespace vx::registry::marking
