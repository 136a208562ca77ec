// vpoPasport and vdiPasport: the passport block of the current animal and every
// measure record of it, planned and done.

#include <sstream>
#include <string>
#include <vector>

#include "context/globals.h"
#include "dictionary/files_in_use.h"
#include "platform/core/text.h"
#include "platform/runtime/thread_state.h"
#include "reports/measure_reports.h"
#include "reports/report_parts.h"
#include "reports/report_windows.h"

namespace vx::reports {

namespace {

using namespace dct;

constexpr double kWidth = 194;
// Left edges of the card's six columns, and its right edge.
constexpr double kColumns[] = {0, 58, 80, 108, 128, 172, kWidth};

void ruledRow(Band& b, double top, double height) {
    b.box(0, top, kWidth, height);
    for (int i = 1; i < 6; ++i) b.rule(kColumns[i], top, kColumns[i], top + height);
}

// A column title in lines that fit its column (7 pt: about 1.4 mm a character).
std::vector<std::string> titleLines(const std::string& title, double width) {
    const std::size_t fits = static_cast<std::size_t>((width - 2) / 1.4);
    std::vector<std::string> lines(1);
    std::string word;
    std::istringstream words(title);
    while (words >> word) {
        if (!lines.back().empty() && charCount(lines.back()) + 1 + charCount(word) > fits) lines.emplace_back();
        lines.back() += (lines.back().empty() ? "" : " ") + word;
    }
    return lines;
}

void passportBlock(Band& b, const MeasureReportKind& k) {
    const pages::Font f = sans(8), underlined = sans(8, true, true), label = sans(7);
    const MeasureFields& m = k.fields;
    b.setHeight(44)
        .field(6, 0, [] { return HOZ->NAME.str(); }, underlined)
        .field(61, 0, [] { return FER->NAME.str(); }, underlined);
    // The inventory number as stored: "000123" and "RU-12" print as they are.
    b.text(7, 5, "Инвентарный номер:", label).field(35, 5, m.IDANIM, f);
    b.text(59, 5, "Кличка:", label).field(71, 5, [] { return PAS->KLICH.str(); }, f);
    b.text(93, 5, "Вид животного:", label)
        .field(115, 5, [] { return ANI->NAME.str(); }, f)
        .field(149, 5, [] { return POL->NAME.str(); }, f);
    b.text(7, 10, "Корпус:", label).field(19, 10, pictured([] { return Value(PAS->KORP.value()); }, "@n3b"), f);
    b.text(26, 10, "Группа:", label).field(38, 10, pictured([] { return Value(PAS->GRUPPA.value()); }, "@n3b"), f);
    b.text(46, 10, "Наименование группы:", label).field(78, 10, [] { return PAS->NGRUPPA.str(); }, f);
    b.text(130, 10, "Дата рождения:", label).field(153, 10, pictured([] { return Value(PAS->DATAROG); }, "@d6.b"), f);
    b.text(130, 15, "Возраст [лет, мес, дней]:", label)
        .field(165, 15, pictured([] { return Value(PAS->VOZRASTG.value()); }, "@n2"), f)
        .field(171, 15, pictured([] { return Value(PAS->VOZRASTM.value()); }, "@n2b"), f)
        .field(177, 15, pictured([] { return Value(PAS->VOZRASTD.value()); }, "@n2b"), f);
    b.box(5, 20, 120, 11).text(7, 20.5, "Для частного сектора", label);
    b.text(7, 25, "Владелец:", label).field(22, 25, [] { return firstChars(PAS->FIO.str(), 20); }, f);
    b.text(54, 25, "Адрес:", label).field(64, 25, [] { return PAS->ADRES.str(); }, f);
    b.text(130, 25, "№ акта выбытия:", label)
        .field(155, 25, [] { return PAS->AKTNOMER.str(); }, f)
        .field(178, 25, pictured([] { return Value(PAS->AKTDATA); }, "@d6.b"), f);
    ruledRow(b, 34, 10);
    const char* titles[] = {"Наименование мероприятия", "Дата мероприятия ", k.docNumberTitle, k.docDateTitle,
                            "№ акта о выполнении мероприятия", "Дата акта"};
    for (int i = 0; i < 6; ++i) {
        const std::vector<std::string> lines = titleLines(titles[i], kColumns[i + 1] - kColumns[i]);
        for (std::size_t n = 0; n < lines.size(); ++n) b.text(kColumns[i] + 1, 35 + 4 * static_cast<double>(n), lines[n], label);
    }
}

void layOut(ReportLayout& r, const MeasureReportKind& k) {
    setUpPage(r, 280);
    r.pageHeading.setHeight(13)
        .text(30, 0, k.cardTitle, sans(9, true))
        .text(30, 4.5, k.cardSubtitle, sans(9, true));
    r.groups = {{[] { return PAS->IDANIM.str(); }, {}, {}}};
    passportBlock(r.groups[0].heading, k);
    const MeasureFields& m = k.fields;
    const pages::Font f = sans(8);
    const int width = k.schemeNameWidth;
    r.detail.setHeight(5)
        .field(kColumns[0] + 1, 0.8, [m, width] { return firstChars(m.schemeName(), width); }, f)
        .field(kColumns[1] + 1, 0.8, pictured([m] { return Value(m.DATATASK()); }, "@d6.b"), f)
        .field(kColumns[2] + 1, 0.8, m.docNumber, f)
        .field(kColumns[3] + 1, 0.8, pictured([m] { return Value(m.docDate()); }, "@d6.b"), f)
        .field(kColumns[4] + 1, 0.8, m.AKTNOMER, f)
        .field(kColumns[5] + 1, 0.8, pictured([m] { return Value(m.AKTDATA()); }, "@d6.b"), f);
    ruledRow(r.detail, 0, 5);
    addPageFooter(r, kWidth, "");
}

void printCard(const MeasureReportKind& k) {
    *rt::GLOBALRESPONSE = rt::response::Cancelled;
    const FilesInUse files({k.measures(), k.schemes(), Access::PASPORT, Access::POLVOZ, Access::ANIMVID, Access::FERMA,
                            Access::HOZ});
    if (!files.ready()) return;
    // The highlighted passport is in the caller's buffer: its unique number selects the
    // records, so another animal with the same inventory number never joins the card.
    const Long animal = PAS->ID;
    ReportLayout r;
    layOut(r, k);
    report::ReportDefinition def;
    def.procedure = planning::measureKind(k.kind).cardReport;
    def.title = k.cardTitle;
    def.primary = &*k.measures();
    def.orderKey = k.byAnimalKey;
    def.range = {[animal] { return Value(animal); }};
    def.tieOrder = k.cardTieOrder;
    def.lookups = measureLookups(k, true);
    *rt::GLOBALRESPONSE = report::runReport(def, r);
}

}  // namespace

void vpoPasport() { printCard(preventiveReports()); }
void vdiPasport() { printCard(diagnosticReports()); }

}  // namespace vx::reports
