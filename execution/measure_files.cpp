#include "execution/measure_files.h"

namespace vx::execution {

using namespace dct;

namespace {

SchemeRow preventiveScheme(const void* stored) {
    const auto& r = *static_cast<const BOLEZNRecord*>(stored);
    return {r.ID.value(), r.IDANIM.value(), r.NAME.str()};
}

SchemeRow diagnosticScheme(const void* stored) {
    const auto& r = *static_cast<const TASKRecord*>(stored);
    return {r.IDTASK.value(), r.VIDANIM.value(), r.NAME.str()};
}

const MeasureFiles kPreventive{MeasureKind::Preventive, Access::VPO,  VPO_K7.index,    Access::PVSEGO, PVS_K2.index,
                               Access::BOLEZN,          BOL_K1.index, preventiveScheme};
const MeasureFiles kDiagnostic{MeasureKind::Diagnostic,
                               Access::VDI,
                               VDI_K7.index,
                               Access::DVSEGO,
                               DSE_K2.index,
                               Access::TASK,
                               TAS_K1.index,
                               diagnosticScheme};

}  // namespace

const MeasureFiles& measureFiles(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? kPreventive : kDiagnostic;
}

std::vector<SchemeRow> schemesById(MeasureKind kind) {
    const MeasureFiles& files = measureFiles(kind);
    store::ScanSpec byId;
    byId.keyIndex = files.schemesById;
    std::vector<SchemeRow> out;
    files.schemes->table().scan(byId, [&](store::Position, const void* stored) {
        out.push_back(files.scheme(stored));
        return true;
    });
    return out;
}

std::string schemeName(MeasureKind kind, const Decimal& measureId) {
    const MeasureFiles& files = measureFiles(kind);
    store::ScanSpec byId;
    byId.keyIndex = files.schemesById;
    byId.equal = {Value(measureId)};
    byId.limit = 1;
    std::string name;
    files.schemes->table().scan(byId, [&](store::Position, const void* stored) {
        name = files.scheme(stored).name;
        return false;
    });
    return name;
}

}  // namespace vx::execution
