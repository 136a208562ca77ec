#include "execution/operations/measure_rewrite.h"

#include "dictionary/bulk_write.h"
#include "dictionary/names.h"
#include "execution/analysis_selection.h"

namespace vx::execution {

namespace {

using namespace dct;

enum class Write { Update, Delete };

template <class R>
WriteOutcome loop(const std::string& caption, AccessRef file, Write how, const std::function<bool(R&)>& wanted,
                  const std::function<store::ScanSpec(const store::Table&)>& specOf = {}) {
    BulkWrite work(caption, {file});
    if (!work.ok()) return {};
    WriteOutcome outcome;
    store::Table& table = work.table(file);
    R copy;  // one buffer for the whole scan: its texts keep their room
    table.scan(specOf ? specOf(table) : store::ScanSpec{}, [&](store::Position pos, const void* stored) {
        copy = *static_cast<const R*>(stored);
        if (!wanted(copy)) return true;
        const bool ok = how == Write::Update ? table.update(pos, &copy) : table.remove(pos);
        if (!ok) return work.refused(file);
        ++outcome.written;
        return true;
    });
    outcome.stored = work.commit();
    if (!outcome.stored) outcome.written = 0;
    return outcome;
}

template <class R>
void readEach(AccessRef file, const std::function<void(const MeasureFields&)>& read) {
    R copy;
    file->table().scan({}, [&](store::Position, const void* stored) {
        copy = *static_cast<const R*>(stored);
        read(measureFields(copy));
        return true;
    });
}

WriteOutcome measuresLoop(const std::string& caption, MeasureKind kind, Write how,
                          const std::function<bool(const MeasureFields&)>& wanted,
                          const std::function<store::ScanSpec(const store::Table&)>& specOf = {}) {
    const AccessRef file = planning::measureKind(kind).measures.access;
    if (kind == MeasureKind::Preventive)
        return loop<VPORecord>(caption, file, how, [&](VPORecord& r) { return wanted(measureFields(r)); }, specOf);
    return loop<VDIRecord>(caption, file, how, [&](VDIRecord& r) { return wanted(measureFields(r)); }, specOf);
}

}  // namespace

WriteOutcome rewriteMeasures(const std::string& caption, MeasureKind kind,
                             const std::function<bool(const MeasureFields&)>& change) {
    return measuresLoop(caption, kind, Write::Update, change);
}

WriteOutcome rewriteFarmMeasures(const std::string& caption, MeasureKind kind, const Decimal& holding,
                                 const Decimal& farm, const std::function<bool(const MeasureFields&)>& change) {
    const int byPlace = planning::measureKind(kind).measures.byPlace;
    const AnalysisSelection place{AnalysisScope::Farm, holding, farm, {}};
    return measuresLoop(caption, kind, Write::Update, change,
                        [&](const store::Table& table) { return place.scanOf(table, byPlace); });
}

WriteOutcome deleteMeasures(const std::string& caption, MeasureKind kind,
                            const std::function<bool(const MeasureFields&)>& doomed) {
    return measuresLoop(caption, kind, Write::Delete, doomed);
}

void readMeasures(MeasureKind kind, const std::function<void(const MeasureFields&)>& read) {
    const AccessRef file = planning::measureKind(kind).measures.access;
    if (kind == MeasureKind::Preventive) readEach<VPORecord>(file, read);
    else readEach<VDIRecord>(file, read);
}

WriteOutcome rewritePassports(const std::string& caption, const std::function<bool(PASPORTRecord&)>& change) {
    return loop<PASPORTRecord>(caption, Access::PASPORT, Write::Update, change);
}

}  // namespace vx::execution
