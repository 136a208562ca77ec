#include "registry/marking/passport_marking.h"

#include <optional>
#include <string>
#include <string_view>

#include "context/current.h"
#include "context/globals.h"
#include "planning/schemes/measure_picker.h"
#include "platform/ui/dialogs.h"
#include "registry/marking/marking_modes.h"
#include "registry/marking/marking_scans.h"

namespace vx::registry::marking {

namespace {

constexpr std::string_view kDone = "Отметка животных завершена!";

// A diagnostic mode marks by the measure and species the picker last highlighted
// (every row event sets them), or by what was there before when none was. A
// preventive one needs "Выбрать" in this run of its picker and marks by that
// scheme, so a closed picker never marks by a stale measure, nor by the species
// of a row highlighted after the choice.
bool pickAndMark(int mode) {
    const MeasureKind kind = measureKindOf(mode);
    const std::optional<planning::Scheme> chosen = planning::schemes::pickMeasure(kind);
    if (planning::measureKind(kind).marksByHighlighted)
        return markByPlanStatus(mode, {glo::IDTASK.value(), glo::IDVIDANIM.value()});
    if (!chosen) return false;
    return markByPlanStatus(mode, {chosen->id, chosen->species});
}

// The caption follows the passports read, so an empty file leaves it; mode 7 sets it in any case.
bool markGroupAndCaption(int mode, MarkingPath path) {
    bool anyRead = false;
    if (!markGroup(mode, anyRead)) return false;
    const MarkingModeRow& row = *markingMode(mode);
    if (path == MarkingPath::List && !row.listCaption.empty() && (anyRead || row.listCaptionAlways))
        glo::leaveChosenMeasure({.caption = std::string(row.listCaption)});
    return true;
}

}  // namespace

void runMarking(int mode, MarkingPath path) {
    const MarkingModeRow* row = markingMode(mode);
    if (!row) return;
    if (path == MarkingPath::Key) glo::leaveChosenMeasure({.caption = ""});
    if (!(isPlanStatusMode(mode) ? pickAndMark(mode) : markGroupAndCaption(mode, path))) return;
    const bool message = path == MarkingPath::List || row->messageByKey;
    if (message && !row->messageCaption.empty()) ui::messageBox(row->messageCaption, kDone);
}

}  // namespace vx::registry::marking
