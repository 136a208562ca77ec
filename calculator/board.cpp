#include "calculator/board.h"

#include "context/globals.h"
#include "dictionary/files_in_use.h"
#include "planning/stage.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"

namespace vx::calculator {

using namespace dct;
using planning::Stage;

namespace {

constexpr std::size_t kNameShown = 9;

const char* titleWord(MeasureKind kind) { return planning::measureKind(kind).boardTag; }

std::string measureLabel(const BoardNames& names) { return padTo(names.measure, kNameShown) + "... "; }

std::string periodLabel(const execution::AnalysisPeriod& period) {
    return "[" + formatDate(period.first) + "--" + formatDate(period.last) + "]";
}

// The first record of a key equal to the values; its name, or "".
template <class R>
std::string nameByKey(AccessRef file, KeyRef key, std::vector<Value> values) {
    store::ScanSpec spec;
    spec.keyIndex = key.index;
    spec.equal = std::move(values);
    spec.limit = 1;
    std::string name;
    file->table().scan(spec, [&](store::Position, const void* stored) {
        name = static_cast<const R*>(stored)->NAME.str();
        return false;
    });
    return name;
}

// The ids whose integer part is `measure` (cut toward zero, as INT does).
std::vector<store::Condition> idsOfMeasure(int field, const Decimal& measure) {
    using store::Condition;
    if (measure.sign() > 0) return {Condition::atLeast(field, measure), Condition::less(field, measure + Decimal(1))};
    if (measure.sign() < 0) return {Condition::greater(field, measure - Decimal(1)), Condition::atMost(field, measure)};
    return {Condition::greater(field, Decimal(-1)), Condition::less(field, Decimal(1))};
}

Decimal percentOf(const Decimal& done, const Decimal& planned) {
    return planned.isZero() ? Decimal() : (done * Decimal(100) / planned).rounded(2);
}

}  // namespace

BoardSelection BoardSelection::current(MeasureKind kind, AnalysisScope scope) {
    return {kind, execution::AnalysisSelection::current(scope), glo::IDVIDANIM.value(), glo::IDTASK.value()};
}

BoardSums sumBoard(const BoardSelection& selection) {
    BoardSums sums;
    const planning::CountBook& book = planning::measureKind(selection.kind).counts;
    store::Table& counts = book.access->table();
    const store::FileDef& def = counts.def();
    const int measureId = def.fieldIndex("IDTASK");
    store::ScanSpec spec = selection.records.countScanOf(counts, book.byPlace);
    spec.where.push_back(store::Condition::equal(def.fieldIndex("VIDANIM"), selection.species));
    for (store::Condition& c : idsOfMeasure(measureId, selection.measureId.intPart()))
        spec.where.push_back(std::move(c));
    spec.fields = def.fieldIndexes({"IDTASK", "CHPLAN", "CHVUP", "GLPVUP", "GLVUP"});
    counts.scan(spec, [&](store::Position, const void* stored) {
        const auto& r = *static_cast<const CountRecord*>(stored);
        const Stage stage = planning::stageOf(r.IDTASK.value());
        if (stage == Stage::None) return true;
        const bool heads = stage != Stage::Second;
        if (r.CHPLAN == 1) {
            if (heads) sums.headsPlanned += r.GLPVUP.value();
            sums.treatmentsPlanned += r.GLPVUP.value();
        }
        if (r.CHVUP == 1) {
            if (heads) sums.headsDone += r.GLVUP.value();
            sums.treatmentsDone += r.GLVUP.value();
        }
        return true;
    });
    sums.headsDonePercent = percentOf(sums.headsDone, sums.headsPlanned);
    sums.treatmentsDonePercent = percentOf(sums.treatmentsDone, sums.treatmentsPlanned);
    return sums;
}

BoardNames boardNames(const BoardSelection& selection) {
    const execution::AnalysisSelection& s = selection.records;
    BoardNames names;
    names.measure = planning::schemeName(selection.kind, selection.measureId);
    names.holding = nameByKey<HOZRecord>(Access::HOZ, HOZ_K1, {Value(s.holding)});
    if (s.scope == AnalysisScope::Farm)
        names.farm = nameByKey<FERMARecord>(Access::FERMA, FER_K3, {Value(s.holding), Value(s.farm)});
    return names;
}

std::string boardText(const BoardSelection& selection, const BoardSums& sums, const BoardNames& names) {
    std::string place = clip(names.holding);
    if (selection.records.scope == AnalysisScope::Farm) place += " " + clip(names.farm);
    const std::string lines[] = {
        titleWord(selection.kind) + measureLabel(names),
        periodLabel(selection.records.period),
        place,
        "Голов, план: " + sums.headsPlanned.plain(),
        "Головообработки, план: " + sums.treatmentsPlanned.plain(),
        "Голов, вып.: " + sums.headsDone.plain(),
        "Головообработок, вып.: " + sums.treatmentsDone.plain(),
        "Голов, вып. % " + sums.headsDonePercent.plain(),
        "Головобр., вып. % " + sums.treatmentsDonePercent.plain(),
    };
    std::string text = lines[0];
    for (std::size_t n = 1; n < std::size(lines); ++n) text += "\r\n" + lines[n];
    return text;
}

std::optional<Board> runBoard(const BoardSelection& selection) {
    const planning::MeasureKindRow& m = planning::measureKind(selection.kind);
    const FilesInUse open{m.counts.access, Access::HOZ, Access::FERMA, m.schemes.access};
    if (!open.ready()) return std::nullopt;
    Board board;
    board.sums = sumBoard(selection);
    const BoardNames names = boardNames(selection);
    board.text = boardText(selection, board.sums, names);
    if (*m.farmBoardHeading && selection.records.scope == AnalysisScope::Farm)
        board.heading = m.farmBoardHeading + measureLabel(names) + periodLabel(selection.records.period);
    return board;
}

}  // namespace vx::calculator
