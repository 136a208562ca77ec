#include "execution/operations/measure_rewrite.h"

#include "dictionary/bulk_write.h"
#include "dictionary/names.h"
#include "execution/analysis_selection.h"

namespace vx::execution {

namespace {

using namespace dct;

enum class Write { Update, Delete, None };

// Without `wanted`, every record the scan reads is taken as it is: the scan's
// conditions chose them, and their fields are not copied.
template <class R>
WriteTally loop(AccessRef file, Write how, const std::function<bool(R&)>& wanted,
                const store::ScanSpec& spec = store::ScanSpec{}) {
    R copy;  // one buffer for the whole scan: its texts keep their room
    auto takes = [&](const void* stored) {
        if (!wanted) return true;
        copy = *static_cast<const R*>(stored);
        return wanted(copy);
    };
    WriteTally tally;
    if (how == Write::None) {
        // A read takes no write lock: it neither waits for another station nor reports one.
        file->table().scan(spec, [&](store::Position, const void* stored) {
            tally.written += takes(stored) ? 1 : 0;
            return true;
        });
        return tally;
    }
    BulkWrite work(how == Write::Delete ? kDeleteCaption : kOperationCaption, {file});
    store::Table& table = work.table(file);
    if (work.ok())
        table.scan(spec, [&](store::Position pos, const void* stored) {
            if (!takes(stored)) return true;
            const bool ok = how == Write::Update ? work.update(file, pos, &copy) : table.remove(pos) || work.refused(file);
            tally.written += ok ? 1 : 0;
            return ok;
        });
    tally.stored = work.commit();
    if (!tally.stored) tally.written = 0;
    return tally;
}

template <class R>
WriteTally loopMeasures(AccessRef file, Write how, const std::function<bool(const MeasureFields&)>& wanted,
                        const store::ScanSpec& spec) {
    return loop<R>(file, how, [&](R& r) { return wanted(measureFields(r)); }, spec);
}

WriteTally measuresLoop(MeasureKind kind, Write how, const std::function<bool(const MeasureFields&)>& wanted,
                        const store::ScanSpec& spec = store::ScanSpec{}) {
    const AccessRef file = planning::measureKind(kind).measures.access;
    return kind == MeasureKind::Preventive ? loopMeasures<VPORecord>(file, how, wanted, spec)
                                           : loopMeasures<VDIRecord>(file, how, wanted, spec);
}

WriteTally selectedLoop(MeasureKind kind, Write how, const store::ScanSpec& spec) {
    const AccessRef file = planning::measureKind(kind).measures.access;
    return kind == MeasureKind::Preventive ? loop<VPORecord>(file, how, {}, spec)
                                           : loop<VDIRecord>(file, how, {}, spec);
}

}  // namespace

WriteTally rewriteMeasures(MeasureKind kind, const std::function<bool(const MeasureFields&)>& change) {
    return measuresLoop(kind, Write::Update, change);
}

WriteTally rewriteFarmMeasures(MeasureKind kind, const Decimal& holding, const Decimal& farm,
                               const std::function<bool(const MeasureFields&)>& change) {
    const planning::MeasureBook& measures = planning::measureKind(kind).measures;
    const AnalysisSelection place{AnalysisScope::Farm, holding, farm, {}};
    return measuresLoop(kind, Write::Update, change, place.scanOf(measures.access->table(), measures.byPlace));
}

WriteTally deleteMeasures(MeasureKind kind, const std::function<bool(const MeasureFields&)>& doomed) {
    return measuresLoop(kind, Write::Delete, doomed);
}

WriteTally deleteSelectedMeasures(MeasureKind kind, const store::ScanSpec& spec) {
    return selectedLoop(kind, Write::Delete, spec);
}

int countSelectedMeasures(MeasureKind kind, const store::ScanSpec& spec) {
    return selectedLoop(kind, Write::None, spec).written;
}

WriteTally rewritePassports(const std::function<bool(PASPORTRecord&)>& change) {
    return loop<PASPORTRecord>(Access::PASPORT, Write::Update, change);
}

}  // namespace vx::execution
