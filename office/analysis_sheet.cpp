#include "office/analysis_sheet.h"

#include "planning/stage.h"
#include "platform/core/text.h"

namespace vx::office {

using planning::Stage;

namespace {

constexpr std::int64_t kRowAboveTable = 6;

// The entry of a measure id's number, -1 outside 1..2,000.
int entryOf(const Decimal& measureId) {
    const std::int64_t number = measureId.toInt64();
    return number >= 1 && number <= MeasureTotals::kMeasures ? static_cast<int>(number - 1) : -1;
}

struct Formula {
    std::string cell, text;
};

void addFormulas(std::vector<Formula>& out, Stage stage, std::int64_t row) {
    if (stage == Stage::None) return;
    const auto at = [](const char* column, std::int64_t r) { return ExcelTemplate::cell(column, r); };
    const std::string c = at("C", row), d = at("D", row), f = at("F", row), g = at("G", row);
    out.push_back({at("E", row), "=ЕСЛИ(" + c + ">0;" + d + "/" + c + "*100;)"});
    if (stage == Stage::Second) return;
    if (stage == Stage::First) {
        out.push_back({f, "=" + c + "+" + at("C", row + 1)});
        out.push_back({g, "=" + d + "+" + at("D", row + 1)});
    } else {
        out.push_back({f, "=" + c});
        out.push_back({g, "=" + d});
    }
    out.push_back({at("H", row), "=ЕСЛИ(" + f + ">0;" + g + "/" + f + "*100;)"});
}

// C and D of one row by the measure id read back from its column A: an empty A
// (a species row) shows 0 done; an id gets its measure's sums or nothing.
void fillCounts(ExcelTemplate& excel, const MeasureTotals& totals, bool withPlan, std::int64_t row,
                const std::string& id) {
    if (id.empty()) {
        excel.setNumber(ExcelTemplate::cell("D", row), std::int64_t{0});
        return;
    }
    const auto shown = totals.forRow(Decimal::fromText(id));
    if (!shown) return;
    excel.setNumber(ExcelTemplate::cell("D", row), shown->done);
    if (withPlan) excel.setNumber(ExcelTemplate::cell("C", row), shown->planned);
}

}  // namespace

void MeasureTotals::add(const Decimal& measureId, const StageCounts& counts) {
    const int entry = entryOf(measureId);
    if (entry < 0) return;
    Entry& e = entries_[entry];
    switch (planning::stageOf(measureId)) {
    case Stage::Single:
    case Stage::First:
        e.done += counts.done;
        e.planned += counts.planned;
        break;
    case Stage::Second:
        e.doneSecond += counts.doneSecond;
        e.plannedSecond += counts.plannedSecond;
        break;
    case Stage::None: break;
    }
}

std::optional<MeasureTotals::Shown> MeasureTotals::forRow(const Decimal& measureId) const {
    const int entry = entryOf(measureId);
    if (entry < 0) return std::nullopt;
    const Entry& e = entries_[entry];
    switch (planning::stageOf(measureId)) {
    case Stage::Single:
    case Stage::First: return Shown{e.done, e.planned};
    case Stage::Second: return Shown{e.doneSecond, e.plannedSecond};
    case Stage::None: break;
    }
    return std::nullopt;
}

std::int64_t writeAnalysisSheet(ExcelTemplate& excel, const std::vector<SheetSpecies>& table,
                                const MeasureTotals& totals, bool withPlan) {
    std::int64_t rows = 0;
    for (const SheetSpecies& species : table) rows += 1 + static_cast<std::int64_t>(species.schemes.size());
    if (rows == 0) return kRowAboveTable;
    // As though each row had been written and a row inserted below it: the rows for
    // all of them inserted at once. A formula refers to its own row and the one
    // below, which no later insert moves, so the formulas go in after the rows: the
    // cells then go to the server in a few blocks instead of one per row.
    excel.addRowsBelow(kRowAboveTable + 1, rows);
    std::int64_t row = kRowAboveTable;
    std::vector<Formula> formulas;
    for (const SheetSpecies& species : table) {
        excel.setValue(ExcelTemplate::cell("B", ++row), species.name);
        for (const SheetScheme& scheme : species.schemes) {
            excel.setNumber(ExcelTemplate::cell("A", ++row), scheme.id);
            excel.setValue(ExcelTemplate::cell("B", row), scheme.name);
            addFormulas(formulas, planning::stageOf(scheme.id), row);
        }
    }
    for (const Formula& f : formulas) excel.setText(f.cell, f.text);
    // Column A is read whole, in one call, before C and D are written.
    const std::vector<std::string> ids =
        excel.readBlock(ExcelTemplate::cell("A", kRowAboveTable + 1), ExcelTemplate::cell("A", row));
    for (std::size_t n = 0; n < ids.size() && !excel.failed(); ++n)
        fillCounts(excel, totals, withPlan, kRowAboveTable + 1 + static_cast<std::int64_t>(n), trim(ids[n]));
    return row;
}

}  // namespace vx::office
