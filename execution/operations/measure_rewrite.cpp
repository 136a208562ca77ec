#include "execution/operations/measure_rewrite.h"

#include "dictionary/names.h"

namespace vx::execution {

namespace {

using namespace dct;

enum class Write { Update, Delete, None };

template <class R>
WriteTally loop(AccessRef file, Write how, const std::function<bool(R&)>& wanted) {
    WriteTally tally;
    store::Table& table = file->table();
    R copy;  // one buffer for the whole scan: its texts keep their room
    table.scan(store::ScanSpec{}, [&](store::Position pos, const void* stored) {
        copy = *static_cast<const R*>(stored);
        if (!wanted(copy) || how == Write::None) return true;
        const bool ok = how == Write::Update ? table.update(pos, &copy) : table.remove(pos);
        ++(ok ? tally.written : tally.failed);
        return true;
    });
    return tally;
}

template <class R>
WriteTally loopMeasures(AccessRef file, Write how, const std::function<bool(const MeasureFields&)>& wanted) {
    return loop<R>(file, how, [&](R& r) { return wanted(measureFields(r)); });
}

WriteTally measuresLoop(MeasureKind kind, Write how, const std::function<bool(const MeasureFields&)>& wanted) {
    const AccessRef file = planning::measureKind(kind).measures.access;
    return kind == MeasureKind::Preventive ? loopMeasures<VPORecord>(file, how, wanted)
                                           : loopMeasures<VDIRecord>(file, how, wanted);
}

}  // namespace

WriteTally rewriteMeasures(MeasureKind kind, const std::function<bool(const MeasureFields&)>& change) {
    return measuresLoop(kind, Write::Update, change);
}

WriteTally deleteMeasures(MeasureKind kind, const std::function<bool(const MeasureFields&)>& doomed) {
    return measuresLoop(kind, Write::Delete, doomed);
}

void readMeasures(MeasureKind kind, const std::function<void(const MeasureFields&)>& read) {
    measuresLoop(kind, Write::None, [&](const MeasureFields& r) {
        read(r);
        return false;
    });
}

WriteTally rewritePassports(const std::function<bool(PASPORTRecord&)>& change) {
    return loop<PASPORTRecord>(Access::PASPORT, Write::Update, change);
}

}  // namespace vx::execution
