#include "planning/cards/card_plan.h"

#include <optional>
#include <vector>

#include "context/execution_numbers.h"
#include "dictionary/bulk_write.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/store/record_file.h"

namespace vx::planning::cards {

using namespace dct;

namespace {

// The card's lines in record order, read once: they do not change while the plan runs.
std::vector<CardLineRecord> linesOf(store::Table& lines, const Decimal& card) {
    std::vector<CardLineRecord> out;
    lines.scan({}, [&](store::Position, const void* record) {
        const auto& line = *static_cast<const CardLineRecord*>(record);
        if (line.IDKARTIP.value() == card) out.push_back(line);
        return true;
    });
    return out;
}

}  // namespace

PlanOutcome planCard(MeasureKind kind, const Decimal& card) {
    PlanOutcome outcome;
    // Once, before the scan: the numbers a journal row left belong to that record, so the
    // group tools opened on the newly planned measures start from blank ones.
    glo::clearExecutionNumbers();
    const MeasureKindRow& m = measureKind(kind);
    BulkWrite work(m.cards.planCaption, {Access::PASPORT, m.cards.lineAccess, m.measures.access});
    if (!work.ok()) return outcome;
    const std::vector<CardLineRecord> lines = linesOf(work.table(m.cards.lineAccess), card);
    store::Table& measures = work.table(m.measures.access);
    const int32_t today = clock::today();
    work.table(Access::PASPORT).scan({}, [&](store::Position, const void* record) {
        const auto& p = *static_cast<const PASPORTRecord*>(record);
        if (p.CHEK != 1) return true;
        bool withoutBirthDate = false;
        for (const CardLineRecord& line : lines) {
            if (line.VIDANIM.value() != p.VIDANIM.value() || line.TASKDATA < 0) continue;
            const std::optional<int32_t> date = plannedDate(line.TASKDATA, line.DNEY, p.DATAROG, today);
            if (!date) {
                withoutBirthDate = true;
                continue;
            }
            const PlannedMeasure planned{p.ID,        p.IDHOZ,     p.IDFERMA,   p.IDANIM.str(), p.VIDANIM, p.IDPOL,
                                         line.IDTASK, line.GLPLAN, line.GOPLAN, *date,          line.IDPREPARAT,
                                         line.NORMA};
            if (!m.measures.append(measures, planned)) return work.refused(m.measures.access);
            ++outcome.added;
        }
        if (withoutBirthDate) ++outcome.withoutBirthDate;
        return true;
    });
    outcome.stored = work.commit();
    return outcome;
}

void reportCardPlan(MeasureKind kind, const PlanOutcome& outcome) {
    const CardBook& c = measureKind(kind).cards;
    schemes::reportPlan(c.planCaption, c.planDone, outcome);
}

}  // namespace vx::planning::cards
