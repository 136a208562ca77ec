// PrintQBE1: the household list by holding, farm and address, on a thread of its own.

#include <algorithm>
#include <string>
#include <vector>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/text.h"
#include "platform/pages/text_width.h"
#include "platform/runtime/thread_state.h"
#include "reports/animal_views.h"
#include "reports/report_parts.h"
#include "reports/report_windows.h"

namespace vx::reports {

namespace {

using namespace dct;

constexpr double kWidth = 194;
constexpr double kFilterX = 12;
// A longer filter ends in "..." so the column titles keep most of the page's height.
constexpr std::size_t kFilterLines = 6;

// The filter as it stands when the report starts, in lines within the page's width.
std::vector<std::string> filterLines(const pages::Font& f) {
    const double width = kWidth - kFilterX;
    std::vector<std::string> lines = pages::wrapText(clip(glo::GLO_FILTER), f, width);
    if (lines.size() > kFilterLines) {
        lines.resize(kFilterLines);
        lines.back() = pages::fitText(lines.back(), f, width - pages::textWidth("...", f)) + "...";
    }
    return lines;
}

void layOut(ReportLayout& r) {
    setUpPage(r, 280);
    const pages::Font titles = sans(7), filter = serif(7);
    const std::vector<std::string> lines = filterLines(filter);
    const double below = pages::lineHeight(filter) * static_cast<double>(std::max<std::size_t>(lines.size(), 1) - 1);
    r.page.bodyTop += below;
    r.page.bodyHeight -= below;
    r.pageHeading.setHeight(15 + below)
        .text(0, 0, "Список ЛПХ  (произвольный отчёт)", sans(9, true))
        .text(0, 4.5, "Фильтр:", titles);
    for (std::size_t n = 0; n < lines.size(); ++n)
        r.pageHeading.text(kFilterX, 4.5 + pages::lineHeight(filter) * static_cast<double>(n), lines[n], filter);
    animalColumnTitles(r.pageHeading, 8.5 + below, kWidth);

    r.groups = {{[] { return std::to_string(PAS->IDHOZ.mantissa()); }, {}, {}},
                {[] { return std::to_string(PAS->IDFERMA.mantissa()); }, {}, {}},
                {[] { return PAS->ADRES.str(); }, {}, {}}};
    const report::Counter& holding = r.count(0);
    const report::Counter& farm = r.count(1);
    const report::Counter& all = r.count();
    const report::Counter& running = r.count(2);
    const report::Counter& farmHouseholds = r.tally(2, 1);
    const report::Counter& holdingHouseholds = r.tally(2, 0);

    const pages::Font heading = sans(7, true, true), bold = sans(7, true);
    r.groups[0].heading.setHeight(5).field(0, 1, [] { return HOZ->NAME.str(); }, heading);
    r.groups[1].heading.setHeight(5).field(0, 1, [] { return FER->NAME.str(); }, heading);
    r.groups[2].heading.setHeight(5)
        .text(4, 1, "ЛПХ по адресу:", bold)
        .field(29, 1, [] { return PAS->ADRES.str() + " " + PAS->FIO.str(); }, bold);

    r.detail.setHeight(7.5);
    animalDetail(r.detail, {19, 21, 43, 71, 85.5, 89.5, 93, 98, 117, 135, 3.8}, sans(7), report::number(running, "@n5b"),
                 kWidth);

    r.groups[1].footer.setHeight(6)
        .text(4, 1, "Всего животных на ферме (населенном пункте):", bold)
        .field(80, 1, [] { return FER->NAME.str(); }, bold)
        .fieldRight(150, 1, report::number(farm, "@n7b"), bold)
        .text(158, 1, "Всего ЛПХ:", bold)
        .fieldRight(188, 1, report::number(farmHouseholds, "@n6b"), bold);
    r.groups[0].footer.setHeight(10)
        .text(0, 1, "Всего животных в хозяйстве (поселении):", bold)
        .field(80, 1, [] { return HOZ->NAME.str(); }, bold)
        .fieldRight(150, 1, report::number(holding, "@n6b"), bold)
        .text(158, 1, "Всего ЛПХ:", bold)
        .fieldRight(188, 1, report::number(holdingHouseholds, "@n6b"), bold)
        .text(0, 5, "Всего животных с начала отчёта:", bold)
        .fieldRight(150, 5, report::number(all, "@n6b"), bold);
    addPageFooter(r, kWidth, "");
}

}  // namespace

void PrintQBE1() {
    // Started on a thread of its own: the hand-over is taken at once, before another window can change it.
    std::string handOver = glo::GLO_REPORTQUERYRESULT;
    glo::GLO_REPORTQUERYRESULT.clear();
    *rt::GLOBALRESPONSE = runAnimalList("PrintQBE1", "Список ЛПХ  (произвольный отчёт)",
                                        "+PAS:idhoz,+PAS:idferma,+PAS:adres,+PAS:fio", layOut, handOver);
}

}  // namespace vx::reports
