#include "planning/schemes/plan_for_marked.h"

#include <optional>
#include <string>

#include "app/globals.h"
#include "dictionary/names.h"
#include "planning/schemes/open_table.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"
#include "platform/ui/dialogs.h"

namespace vx::planning::schemes {

using namespace dct;

namespace {

constexpr Byte kYoungStock = 1;
constexpr Byte kMainHerd = 2;

void rememberAnimal(const PASPORTRecord& p) {
    glo::IDHOZ = p.IDHOZ;
    glo::IDFERM = p.IDFERMA;
    glo::IDANIM = p.IDANIM;
    glo::UNIK = p.ID;
    glo::IDPOL = p.IDPOL;
    glo::DATAROG = p.DATAROG;
}

// Appends one planned record, written from a record of its own so the thread's
// measure buffer (a list's current row) stays as it is.
template <class Record>
bool addPlanned(store::Table& measures, const PASPORTRecord& p, const Scheme& s, const planning::PlanSet& set,
                int32_t date) {
    Record r;
    r.ID = p.ID;
    r.IDHOZ = p.IDHOZ;
    r.IDFERMA = p.IDFERMA;
    r.IDANIM = p.IDANIM;
    r.VIDANIM = s.species;
    r.IDPOL = p.IDPOL;
    r.IDTASK = s.id;
    r.GLPLAN = set.heads;
    r.GOPLAN = set.treatments;
    r.DATATASK = date;
    return measures.insert(&r).has_value();
}

}  // namespace

PlanOutcome planForMarked(MeasureKind kind, const Scheme& scheme) {
    PlanOutcome outcome;
    store::Table* passports = openTable(PASPORT);
    store::Table* measures = openTable(kind == MeasureKind::Preventive ? FileRefBase(VPO) : FileRefBase(VDI));
    if (!passports) return outcome;
    const int32_t today = clock::today();
    passports->scan({}, [&](store::Position, const void* record) {
        const auto& p = *static_cast<const PASPORTRecord*>(record);
        if (p.CHEK != 1 || p.VIDANIM.value() != scheme.species) return true;
        rememberAnimal(p);
        if (p.OSNMOL != kMainHerd && p.OSNMOL != kYoungStock) return true;
        const planning::PlanSet& set = p.OSNMOL == kMainHerd ? scheme.mainHerd : scheme.youngStock;
        const std::optional<int32_t> date = planning::plannedDate(set.fixedDate, set.days, p.DATAROG, today);
        if (!date) {
            ++outcome.withoutBirthDate;
            return true;
        }
        const bool added =
            measures && (kind == MeasureKind::Preventive ? addPlanned<VPORecord>(*measures, p, scheme, set, *date)
                                                         : addPlanned<VDIRecord>(*measures, p, scheme, set, *date));
        ++(added ? outcome.added : outcome.failed);
        return true;
    });
    return outcome;
}

void reportPlan(MeasureKind kind, const PlanOutcome& outcome) {
    const bool preventive = kind == MeasureKind::Preventive;
    const std::string caption =
        preventive ? "Планирование профилактического мероприятия" : "Планирование диагностического мероприятия";
    if (outcome.failed == 0)
        ui::messageBox(caption, preventive ? "Профилактическое мероприятие добавлено! Снимите пометку запис(и/ей)!"
                                           : "Диагностическое мероприятие добавлено! Снимите пометку запис(и/ей)!");
    else
        ui::messageBox(caption, "Мероприятие добавлено не всем отмеченным животным!|Добавлено записей: " +
                                    std::to_string(outcome.added) +
                                    ", не удалось записать: " + std::to_string(outcome.failed) + ".");
    if (outcome.withoutBirthDate > 0)
        ui::messageBox(caption,
                       "Не запланировано животных без даты рождения: " + std::to_string(outcome.withoutBirthDate) +
                           ".|Укажите дату рождения в паспорте животного.");
}

}  // namespace vx::planning::schemes
