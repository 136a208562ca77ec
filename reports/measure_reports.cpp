#include "reports/measure_reports.h"

namespace vx::reports {

namespace {

using namespace dct;

template <class R>
MeasureFields commonFields(const FileRef<R>& file) {
    MeasureFields f;
    f.ID = [file] { return file->ID; };
    f.DATATASK = [file] { return file->DATATASK; };
    f.AKTDATA = [file] { return file->AKTDATA; };
    f.IDHOZ = [file] { return file->IDHOZ.value(); };
    f.IDFERMA = [file] { return file->IDFERMA.value(); };
    f.IDTASK = [file] { return file->IDTASK.value(); };
    f.IDANIM = [file] { return file->IDANIM.str(); };
    f.AKTNOMER = [file] { return file->AKTNOMER.str(); };
    return f;
}

MeasureFields preventiveFields() {
    MeasureFields f = commonFields(VPO);
    f.docNumber = [] { return VPO->NOPIS.str(); };
    f.docDate = [] { return VPO->DOPIS; };
    f.schemeName = [] { return BOL->NAME.str(); };
    return f;
}

MeasureFields diagnosticFields() {
    MeasureFields f = commonFields(VDI);
    f.docNumber = [] { return VDI->NEKSP.str(); };
    f.docDate = [] { return VDI->DEKSP; };
    f.schemeName = [] { return TAS->NAME.str(); };
    return f;
}

}  // namespace

std::vector<report::Lookup> measureLookups(const MeasureReportKind& k, bool card) {
    data::FileManager& pasport = *Access::PASPORT;
    const data::FileManager* place = card ? &pasport : nullptr;
    std::vector<report::Lookup> lookups = {{&*k.schemes(), planning::measureKind(k.kind).schemes.idKey, {"IDTASK"}},
                                           {&pasport, PAS_K7.index, {"IDHOZ", "IDFERMA", "ID"}},
                                           {&*Access::POLVOZ, POL_K1.index, {"IDPOL"}, &pasport}};
    if (card) lookups.push_back({&*Access::ANIMVID, ANI_K1.index, {"VIDANIM"}, &pasport});
    lookups.push_back({&*Access::FERMA, FER_K3.index, {"IDHOZ", "IDFERMA"}, place});
    lookups.push_back({&*Access::HOZ, HOZ_K1.index, {"IDHOZ"}, place});
    return lookups;
}

const MeasureReportKind& preventiveReports() {
    static const MeasureReportKind k{planning::MeasureKind::Preventive,
                                     VPO_K10.index,
                                     "+VPO:idhoz,+VPO:idferma,+VPO:vidanim,+VPO:idpol",
                                     "Карта о запланированных и проведенных мероприятиях животному",
                                     "(ветеринарно-профилактические)",
                                     " № описи",
                                     "Дата описи",
                                     28,
                                     "Контроль выполнения ветеринарно-профилактических мероприятий",
                                     true,
                                     false,
                                     124,
                                     174,
                                     preventiveFields()};
    return k;
}

const MeasureReportKind& diagnosticReports() {
    static const MeasureReportKind k{planning::MeasureKind::Diagnostic,
                                     VDI_K10.index,
                                     "+VDI:idtask",
                                     "Карта запланированных и проведенных мероприятий животному",
                                     "(ветеринарно-диагностические)",
                                     "№ экспертизы",
                                     "Дата эксп.",
                                     30,
                                     "Контроль выполнения диагностических мероприятий",
                                     false,
                                     true,
                                     121,
                                     167,
                                     diagnosticFields()};
    return k;
}

}  // namespace vx::reports
