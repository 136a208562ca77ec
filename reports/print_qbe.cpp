// PrintQBE: the animal list by holding, farm, species and sex-age group.

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/runtime/thread_state.h"
#include "reports/animal_views.h"
#include "reports/report_parts.h"
#include "reports/report_windows.h"

namespace vx::reports {

namespace {

using namespace dct;

constexpr double kWidth = 194;

// Group footers: "Всего <name>" and the count.
void totalFooter(Band& b, TextSource name, const report::Counter& c) {
    const pages::Font f = sans(8, true);
    b.setHeight(5).text(59, 0.5, "Всего", f).field(69, 0.5, std::move(name), f).fieldRight(150, 0.5, report::number(c, "@n7b"), f);
}

void layOut(ReportLayout& r) {
    setUpPage(r, 280);
    r.pageHeading.setHeight(15).text(0, 0, "Список животных (произвольный отчёт)", sans(9, true));
    animalColumnTitles(r.pageHeading, 7, kWidth);

    r.groups = {{[] { return std::to_string(PAS->IDHOZ.mantissa()); }, {}, {}},
                {[] { return std::to_string(PAS->IDFERMA.mantissa()); }, {}, {}},
                {[] { return std::to_string(PAS->VIDANIM.mantissa()); }, {}, {}},
                {[] { return std::to_string(PAS->IDPOL.mantissa()); }, {}, {}}};
    const report::Counter& holding = r.count(0);
    const report::Counter& farm = r.count(1);
    const report::Counter& species = r.count(2);
    const report::Counter& group = r.count(3);
    const report::Counter& all = r.count();

    const pages::Font heading = sans(9, true, true);
    r.groups[0].heading.setHeight(6).field(0, 1, [] { return HOZ->NAME.str(); }, heading);
    r.groups[1].heading.setHeight(7).field(0, 1, [] { return FER->NAME.str(); }, heading).hrule(0, 6, kWidth);
    r.groups[2].heading.setHeight(6).field(0, 1, [] { return ANI->NAME.str(); }, heading);
    r.groups[3].heading.setHeight(5).field(0, 0.5, [] { return POL->NAME.str(); }, sans(8, true));

    r.detail.setHeight(8);
    animalDetail(r.detail, {0, 2, 25, 59, 78, 82, 85, 90, 109, 127, 4}, sans(8), {}, kWidth);

    totalFooter(r.groups[3].footer, [] { return POL->NAME.str(); }, group);
    totalFooter(r.groups[2].footer, [] { return ANI->NAME.str(); }, species);
    const pages::Font total = sans(8, true);
    r.groups[1].footer.setHeight(6)
        .text(20, 1, "Всего на ферме (населенном пункте):", total)
        .fieldRight(150, 1, report::number(farm, "@n7b"), total);
    r.groups[0].footer.setHeight(11)
        .text(20, 1, "Всего в хозяйстве (сельском поселении):", total)
        .fieldRight(150, 1, report::number(holding, "@n12b"), total)
        .text(20, 6, "Всего с начала отчёта:", total)
        .fieldRight(150, 6, report::number(all, "@n12b"), total);
    addPageFooter(r, kWidth, "");
}

}  // namespace

void PrintQBE() {
    *rt::GLOBALRESPONSE = runAnimalList("PrintQBE", "Список животных (произвольный отчёт)",
                                        "+PAS:idhoz,+PAS:idferma,+PAS:idpol,+PAS:idanim", layOut, glo::GLO_REPORTQUERYRESULT);
}

}  // namespace vx::reports
