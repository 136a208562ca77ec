#include "registry/marking/passport_marking.h"

#include <optional>
#include <string_view>

#include "app/globals.h"
#include "planning/schemes/measure_picker.h"
#include "platform/ui/dialogs.h"
#include "registry/marking/marking_scans.h"

namespace vx::registry::marking {

namespace {

constexpr std::string_view kDone = "Отметка животных завершена!";

// TASKBOL after a group mode chosen from the list ("" leaves it).
std::string_view listCaption(int mode) {
    switch (mode) {
    case 2: return "Выделено по поло-возрастной группе";
    case 3: return "Выделено по виду животных";
    case 4: return "Выделено по населённому пункту";
    case 7: return "Способы выделения животных";
    case 8: return "Выделено по № корпуса";
    case 9: return "Выделено по № группы (стада)";
    case 10: return "Dыделено по наименованию группы (стада)";
    default: return {};
    }
}

// The caption of the completion message ("" for none).
std::string_view messageCaption(int mode, MarkingPath path) {
    switch (mode) {
    case 11: return "Незапланировано диагностическое мероприятие";
    case 12: return "Незапланировано или невыполнено диагностическое мероприятие";
    case 13: return "Невыполнено диагностическое мероприятие";
    case 14: return "Незапланировано профилактическое мероприятие";
    case 15: return "Незапланировано или невыполнено профилактическое мероприятие";
    case 16: return "Невыполнено профилактическое мероприятие";
    case 17: return "Запланировано диагностическое мероприятие";
    case 18: return "Запланировано профилактическое мероприятие";
    default: break;
    }
    if (path == MarkingPath::Key) return {};
    switch (mode) {
    case 2:
    case 3:
    case 4:
    case 8:
    case 9:
    case 10: return "Выделение животных";
    case 5: return "Выделение животных [Молодняк]";
    case 6: return "Выделение животных [Основное]";
    default: return {};
    }
}

// A diagnostic mode marks by the measure and species the picker last highlighted
// (every row event sets them), or by what was there before when none was. A
// preventive one needs "Выбрать" in this run of its picker and marks by that
// scheme, so a closed picker never marks by a stale measure, nor by the species
// of a row highlighted after the choice.
bool pickAndMark(int mode) {
    const MeasureKind kind = measureKindOf(mode);
    const std::optional<planning::schemes::Scheme> chosen = planning::schemes::pickMeasure(kind);
    if (kind == MeasureKind::Diagnostic) return markByPlanStatus(mode, {glo::IDTASK.value(), glo::IDVIDANIM.value()});
    if (!chosen) return false;
    return markByPlanStatus(mode, {chosen->id, chosen->species});
}

// The caption follows the passports read, so an empty file leaves it; mode 7 sets it in any case.
bool markGroupAndCaption(int mode, MarkingPath path) {
    bool anyRead = false;
    if (!markGroup(mode, anyRead)) return false;
    const std::string_view caption = listCaption(mode);
    if (path == MarkingPath::List && !caption.empty() && (anyRead || mode == 7)) glo::TASKBOL = caption;
    return true;
}

}  // namespace

void runMarking(int mode, MarkingPath path) {
    if (mode < 1 || mode > 18) return;
    if (path == MarkingPath::Key) glo::TASKBOL = "";
    if (!(isPlanStatusMode(mode) ? pickAndMark(mode) : markGroupAndCaption(mode, path))) return;
    if (const std::string_view caption = messageCaption(mode, path); !caption.empty()) ui::messageBox(caption, kDone);
}

}  // namespace vx::registry::marking
