#include "execution/plan_analysis.h"

#include <concepts>
#include <map>
#include <optional>
#include <string>

#include "context/globals.h"
#include "context/start_folder.h"
#include "dictionary/files_in_use.h"
#include "platform/core/text.h"
#include "platform/ui/dialogs.h"

namespace vx::execution {

using namespace dct;
using office::MeasureTotals;
using office::StageCounts;

namespace {

constexpr const char* kTemplateFilter = "Все файлы|*.*|Файлы Excel|*.xls;*.xlsx";
constexpr const char* kDoneCaption = "Экспорт в Excel";
constexpr std::size_t kSpeciesNameSize = 20;
constexpr std::size_t kSchemeNameSize = 36;

// A journal record of the place adds its done counters whatever its dates and marks.
template <class R>
store::ScanSpec taken(const store::Table& records, int byPlace, const AnalysisSelection& s) {
    store::ScanSpec spec = s.scanOf(records, byPlace);
    spec.fields = records.def().fieldIndexes({"IDTASK", "GLVUP", "GOVUP"});
    return spec;
}
template <class R>
StageCounts countsOf(const R& r) {
    return {r.GLVUP.value(), r.GOVUP.value(), Decimal(), Decimal()};
}

// A count record of the place adds its heads by its plan and done flags, when dated in the period.
template <std::derived_from<CountRecord> R>
store::ScanSpec taken(const store::Table& records, int byPlace, const AnalysisSelection& s) {
    store::ScanSpec spec = s.countScanOf(records, byPlace);
    spec.fields = records.def().fieldIndexes({"IDTASK", "CHVUP", "GLVUP", "CHPLAN", "GLPVUP"});
    return spec;
}
template <std::derived_from<CountRecord> R>
StageCounts countsOf(const R& r) {
    const Decimal done = r.CHVUP == 1 ? r.GLVUP.value() : Decimal();
    const Decimal planned = r.CHPLAN == 1 ? r.GLPVUP.value() : Decimal();
    return {done, done, planned, planned};
}

template <class R>
void sumRecords(AccessRef file, int byPlace, const AnalysisSelection& selection, MeasureTotals& totals) {
    store::Table& records = file->table();
    records.scan(taken<R>(records, byPlace, selection), [&](store::Position, const void* stored) {
        const R& r = *static_cast<const R*>(stored);
        totals.add(r.IDTASK.value(), countsOf(r));
        return true;
    });
}

struct AnalysisKind {
    AnalysisSource source;
    MeasureKind kind;
    void (*sum)(AccessRef, int, const AnalysisSelection&, MeasureTotals&);
    bool withPlan;
    bool clipSpeciesName;
    const char* doneText;
    bool restoresFolderAtEnd;
};

const AnalysisKind kKinds[] = {
    {.source = AnalysisSource::Journal,
     .kind = MeasureKind::Preventive,
     .sum = sumRecords<VPORecord>,
     .withPlan = false,
     .clipSpeciesName = false,
     .doneText = "Экспорт в Excel завершен!",
     .restoresFolderAtEnd = false},
    {.source = AnalysisSource::Journal,
     .kind = MeasureKind::Diagnostic,
     .sum = sumRecords<VDIRecord>,
     .withPlan = false,
     .clipSpeciesName = false,
     .doneText = "Экспорт в Excel завершен!",
     .restoresFolderAtEnd = false},
    {.source = AnalysisSource::Calculator,
     .kind = MeasureKind::Preventive,
     .sum = sumRecords<PVSEGORecord>,
     .withPlan = true,
     .clipSpeciesName = false,
     .doneText = "Экспорт в Excel завершен!?",
     .restoresFolderAtEnd = true},
    {.source = AnalysisSource::Calculator,
     .kind = MeasureKind::Diagnostic,
     .sum = sumRecords<DVSEGORecord>,
     .withPlan = true,
     .clipSpeciesName = true,
     .doneText = "Экспорт в Excel завершен!",
     .restoresFolderAtEnd = true},
};

// The records an analysis reads, and their key by holding and farm.
AccessRef recordsOf(const AnalysisKind& analysis) {
    const planning::MeasureKindRow& m = planning::measureKind(analysis.kind);
    return analysis.source == AnalysisSource::Journal ? m.measures.access : m.counts.access;
}
int byPlaceOf(const AnalysisKind& analysis) {
    const planning::MeasureKindRow& m = planning::measureKind(analysis.kind);
    return analysis.source == AnalysisSource::Journal ? m.measures.byPlace : m.counts.byPlace;
}

const AnalysisKind& analysisKind(AnalysisSource source, MeasureKind kind) {
    for (const AnalysisKind& k : kKinds)
        if (k.source == source && k.kind == kind) return k;
    return kKinds[0];
}

// The species in id order, each with its schemes in measure-id order; a scheme
// of a species not in the book has no row.
std::vector<office::SheetSpecies> sheetTable(const AnalysisKind& analysis) {
    std::map<Decimal, std::vector<office::SheetScheme>> schemesOf;
    for (const planning::Scheme& s : planning::schemesById(analysis.kind))
        schemesOf[s.species].push_back({s.id, padTo(s.name, kSchemeNameSize)});
    std::vector<office::SheetSpecies> table;
    store::ScanSpec byId;
    byId.keyIndex = ANI_K1.index;
    Access::ANIMVID->table().scan(byId, [&](store::Position, const void* stored) {
        const auto& species = *static_cast<const ANIMVIDRecord*>(stored);
        const std::string& name = species.NAME.str();
        office::SheetSpecies row{analysis.clipSpeciesName ? name : padTo(name, kSpeciesNameSize), {}};
        if (auto found = schemesOf.find(species.IDANIM.value()); found != schemesOf.end()) row.schemes = found->second;
        table.push_back(std::move(row));
        return true;
    });
    return table;
}

}  // namespace

MeasureTotals scanAnalysis(AnalysisSource source, MeasureKind kind, const AnalysisSelection& selection) {
    const AnalysisKind& analysis = analysisKind(source, kind);
    MeasureTotals totals;
    analysis.sum(recordsOf(analysis), byPlaceOf(analysis), selection, totals);
    return totals;
}

AnalysisEnd runAnalysis(AnalysisSource source, MeasureKind kind, AnalysisScope scope) {
    const AnalysisKind& analysis = analysisKind(source, kind);
    glo::NAMEFILE = "";
    const std::optional<std::string> chosen = ui::fileDialog(planning::measureKind(kind).analysisTemplateTitle, kTemplateFilter);
    glo::restoreStartFolder();
    // The path as chosen: a longer one than NAMEFILE holds still opens whole.
    const std::string path = clip(chosen.value_or(""));
    glo::NAMEFILE = path;
    if (path.empty()) return AnalysisEnd::NoTemplate;

    const FilesInUse files{recordsOf(analysis), Access::ANIMVID, planning::measureKind(kind).schemes.access};
    if (!files.ready()) return AnalysisEnd::Stopped;
    const MeasureTotals totals = scanAnalysis(source, kind, AnalysisSelection::current(scope));
    const std::vector<office::SheetSpecies> table = sheetTable(analysis);

    office::ExcelTemplate excel;
    excel.open(path);
    office::writeAnalysisSheet(excel, table, totals, analysis.withPlan);
    excel.finish(kDoneCaption, analysis.doneText);
    if (analysis.restoresFolderAtEnd) glo::restoreStartFolder();
    return excel.failed() ? AnalysisEnd::Stopped : AnalysisEnd::Done;
}

}  // namespace vx::execution
