#pragma once
// What both animal lists share: the view of passports with their sex-age group,
// farm, holding and species, the current holding and farm bound as "idhoz" and
// "idferm", the hand-over as the filter, the column titles and the detail band.

#include "platform/expr/bindings.h"
#include "platform/report/band.h"
#include "platform/report/report_run.h"

namespace vx::reports {

// Runs one of the animal lists with its own layout, the hand-over as its filter.
Byte runAnimalList(const char* procedure, const char* title, const char* order,
                   void (*layOut)(report::ReportLayout&), std::string& handOver);

// The ruled column titles both lists print in their page heading, at `top`.
void animalColumnTitles(report::Band& b, double top, double width);

// Left edges of a detail's fields, in mm; each list has its own.
struct AnimalColumns {
    double number;  // the running number's right edge, 0 when the list has none
    double inventory, group, born, years, dash, months, act, actDate, owner;
    double secondLine;  // top of the line with the disposal reason and the address
};
// Line 1: the animal's fields; below: the reason under the act, the address under the owner; a rule.
void animalDetail(report::Band& b, const AnimalColumns& c, const pages::Font& f, report::TextSource number,
                  double width);

}  // namespace vx::reports
