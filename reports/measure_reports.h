#pragma once
// The preventive and diagnostic twins of the measure cards and control lists:
// one implementation each, and this table of what differs between them (their
// files are the measure kind's).

#include <functional>
#include <string>
#include <vector>

#include "dictionary/names.h"
#include "planning/measure_kinds.h"
#include "platform/core/fields.h"
#include "platform/report/report_run.h"

namespace vx::reports {

// A measure record's fields, the same in VPO and VDI but for the document.
struct MeasureFields {
    std::function<Long()> ID, DATATASK, AKTDATA, docDate;
    std::function<Decimal()> IDHOZ, IDFERMA, IDTASK;
    std::function<std::string()> IDANIM, AKTNOMER, docNumber, schemeName;
};

struct MeasureReportKind {
    planning::MeasureKind kind;  // its row names the two reports
    int byAnimalKey;              // the measure file's key on the animal's unique number alone
    const char* cardTieOrder;     // the card's order within one animal
    const char* cardTitle;
    const char* cardSubtitle;
    const char* docNumberTitle;   // card columns 3 and 4
    const char* docDateTitle;
    int schemeNameWidth;          // characters of the card's first column
    const char* listTitle;
    bool listHeadingShowsId;      // the measure heading: id and name, or the name alone
    bool listShowsDocDate;        // the document date beside the planned date
    double listOwnerX;
    double listDateX;
    MeasureFields fields;

    dct::AccessRef measures() const { return planning::measureKind(kind).measures.access; }
    dct::AccessRef schemes() const { return planning::measureKind(kind).schemes.access; }
};

// The scheme, the passport (by holding, farm and unique number) and its sex-age group;
// the cards add the species and take the farm and holding of the passport, the lists those of the record.
std::vector<report::Lookup> measureLookups(const MeasureReportKind& k, bool card);

const MeasureReportKind& preventiveReports();
const MeasureReportKind& diagnosticReports();

}  // namespace vx::reports
