// vpoPrint and vdiPrint: the measure records the journal's query selected, by
// holding, farm and measure, one line per animal with its planned and done dates.

#include "context/globals.h"
#include "dictionary/files_in_use.h"
#include "platform/runtime/thread_state.h"
#include "reports/measure_reports.h"
#include "reports/report_parts.h"
#include "reports/report_windows.h"

namespace vx::reports {

namespace {

using namespace dct;

constexpr double kWidth = 200;

void layOut(ReportLayout& r, const MeasureReportKind& k) {
    setUpPage(r, 275);
    r.page.left = 6;
    const pages::Font label = sans(7), f = sans(7), bold = sans(8, true);
    r.pageHeading.setHeight(14).text(0, 0, k.listTitle, sans(9, true)).box(0, 6, kWidth, 6);
    const std::pair<double, const char*> titles[] = {{1, "№ п/п"},
                                                      {11, "Инвентарный №"},
                                                      {36, "Дата рождения"},
                                                      {60, "Возраст [гг-мм-дд]"},
                                                      {88, "Поло-возрастная группа"},
                                                      {133, "Владелец, адрес"},
                                                      {172, "План/выполн"}};
    for (const auto& [x, title] : titles) r.pageHeading.text(x, 7.5, title, label);

    const MeasureFields& m = k.fields;
    r.groups = {{[m] { return m.IDHOZ().plain(); }, {}, {}},
                {[m] { return m.IDFERMA().plain(); }, {}, {}},
                {[m] { return m.IDTASK().plain(); }, {}, {}}};
    const report::Counter& running = r.count(2);
    r.groups[0].heading.setHeight(5).field(0, 1, [] { return HOZ->NAME.str(); }, bold);
    r.groups[1].heading.setHeight(5).field(4, 1, [] { return FER->NAME.str(); }, bold);
    if (k.listHeadingShowsId)
        r.groups[2].heading.setHeight(5)
            .fieldRight(18, 1, pictured([m] { return Value(m.IDTASK()); }, "@n5.1b"), sans(8, true, true))
            .field(20, 1, m.schemeName, sans(8, true, true));
    else
        r.groups[2].heading.setHeight(5).field(8, 1, m.schemeName, bold);

    r.detail.setHeight(8)
        .fieldRight(6, 0.5, report::number(running, "@n5b"), f)
        .field(11, 0.5, m.IDANIM, f)
        .field(36, 0.5, pictured([] { return Value(PAS->DATAROG); }, "@d6.b"), f)
        .field(66, 0.5, pictured([] { return Value(PAS->VOZRASTG.value()); }, "@n2"), f)
        .field(73, 0.5, pictured([] { return Value(PAS->VOZRASTM.value()); }, "@n2b"), f)
        .field(80, 0.5, pictured([] { return Value(PAS->VOZRASTD.value()); }, "@n2b"), f)
        .field(89, 0.5, [] { return POL->NAME.str(); }, f)
        .field(k.listOwnerX, 0.5, [] { return PAS->FIO.str(); }, f)
        .field(k.listOwnerX, 4, [] { return PAS->ADRES.str(); }, f)
        .field(k.listDateX, 0.5, pictured([m] { return Value(m.DATATASK()); }, "@d6.b"), f)
        .field(k.listDateX, 4, pictured([m] { return Value(m.AKTDATA()); }, "@d6.b"), f)
        .hrule(0, 7.5, kWidth);
    if (k.listShowsDocDate) r.detail.field(182, 0.5, pictured([m] { return Value(m.docDate()); }, "@d6.b"), f);
    addPageFooter(r, kWidth, "стр.");
}

void printList(const MeasureReportKind& k) {
    *rt::GLOBALRESPONSE = rt::response::Cancelled;
    const FilesInUse files({k.measures(), k.schemes(), Access::PASPORT, Access::POLVOZ, Access::FERMA, Access::HOZ});
    if (!files.ready()) return;
    ReportLayout r;
    layOut(r, k);
    report::ReportDefinition def;
    def.procedure = planning::measureKind(k.kind).controlReport;
    def.title = k.listTitle;
    def.primary = &*k.measures();
    def.orderKey = 0;  // K1: the measure id
    def.lookups = measureLookups(k, false);
    def.handOver = &glo::GLO_REPORTQUERYRESULT;
    *rt::GLOBALRESPONSE = report::runReport(def, r);
}

}  // namespace

void vpoPrint() { printList(preventiveReports()); }
void vdiPrint() { printList(diagnosticReports()); }

}  // namespace vx::reports
