#include "planning/schemes/scheme_sheets.h"

#include <functional>
#include <map>
#include <optional>

#include "context/globals.h"
#include "dictionary/files_in_use.h"
#include "dictionary/names.h"
#include "office/excel_template.h"
#include "planning/measure_kinds.h"
#include "planning/schemes/open_table.h"
#include "planning/schemes/scheme_record.h"
#include "planning/schemes/unplanned_animals.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"
#include "platform/ui/dialogs.h"

namespace vx::planning::schemes {

using namespace dct;
using office::ExcelTemplate;

namespace {

constexpr int kSchemeNameSize = 36;

void eachScheme(store::Table& schemes, const SchemeBook& book, const std::function<void(const Scheme&)>& each) {
    store::ScanSpec byId;
    byId.keyIndex = book.idKey;
    schemes.scan(byId, [&](store::Position, const void* stored) {
        each(book.schemeOf(stored));
        return true;
    });
}

// The name of the first record of a book, in record order, for each id.
template <class Record, class IdOf>
std::map<Decimal, std::string> namesById(FileRefBase book, IdOf idOf) {
    std::map<Decimal, std::string> names;
    if (store::Table* t = openTable(book))
        t->scan({}, [&](store::Position, const void* stored) {
            const auto& r = *static_cast<const Record*>(stored);
            names.emplace(idOf(r), r.NAME.str());
            return true;
        });
    return names;
}

// The template path is kept in `held`; a path longer than it holds is still opened whole.
template <class PathGlobal>
void fillTemplate(std::string_view title, PathGlobal& held, const std::function<SheetCells()>& cells) {
    const std::optional<std::string> chosen = ui::fileDialog(title, "Excel|*.xls|Все файлы|*.*");
    // Cancelled with no template from before: the user changed their mind, nothing to open.
    if (!chosen && held.str().find_first_not_of(' ') == std::string::npos) return;
    ExcelTemplate excel;
    if (chosen) held = *chosen;
    excel.open(chosen ? *chosen : held.str());
    // Texts go in as the lists made them: some keep their blanks, as stored.
    for (const SheetCell& c : cells()) {
        if (excel.failed()) break;
        excel.setValue(c.address, c.value);
    }
    excel.finish("Экспорт в Excel", "Экспорт в Excel завершен!");
}

}  // namespace

SheetCells schemeReferenceSheet(MeasureKind kind) {
    const MeasureKindRow& m = measureKind(kind);
    SheetCells cells{{"A1", std::string("Справочник")}, {"A2", std::string(m.referenceTitle)}};
    int64_t row = 4;
    if (store::Table* schemes = openTable(m.schemes.file))
        eachScheme(*schemes, m.schemes, [&](const Scheme& s) {
            ++row;
            cells.push_back({ExcelTemplate::cell("A", row), s.id});
            cells.push_back({ExcelTemplate::cell("B", row), padTo(s.name, kSchemeNameSize)});
            cells.push_back({ExcelTemplate::cell("C", row), s.species});
        });
    // The sheet's last row stays the current sheet row, which the export and import windows start from.
    glo::ROW1 = row;
    return cells;
}

SheetCells unplannedAnimalsSheet(MeasureKind kind, const Decimal& measureId, const Decimal& species,
                                 std::string_view measureName) {
    SheetCells cells{{"A3", clip(measureName)}};
    const std::vector<UnplannedAnimal> animals = unplannedAnimals(kind, measureId, species);
    if (animals.empty()) return cells;
    const auto speciesNames =
        namesById<ANIMVIDRecord>(ANIMVID, [](const ANIMVIDRecord& r) { return r.IDANIM.value(); });
    const auto groupNames = namesById<POLVOZRecord>(POLVOZ, [](const POLVOZRecord& r) { return r.IDPOL.value(); });
    int64_t row = 5;
    int64_t number = 0;
    for (const UnplannedAnimal& a : animals) {
        ++row;
        ++number;
        const auto cell = [row](const char* column) { return ExcelTemplate::cell(column, row); };
        cells.push_back({cell("A"), number});
        cells.push_back({cell("B"), int64_t{a.id}});
        cells.push_back({cell("C"), a.inventory});
        if (auto it = speciesNames.find(a.species); it != speciesNames.end()) cells.push_back({cell("D"), it->second});
        if (auto it = groupNames.find(a.group); it != groupNames.end()) cells.push_back({cell("E"), it->second});
        cells.push_back({cell("F"), formatDate(a.birthDate)});
        cells.push_back({cell("G"), a.owner});
        cells.push_back({cell("H"), a.address});
    }
    return cells;
}

void printSchemeReference(MeasureKind kind) {
    fillTemplate("Выбор файла Шаблон Справка.xls", glo::NPDF, [kind] {
        SheetCells cells;
        const FilesInUse files{measureKind(kind).schemes.access};
        if (files.ready()) cells = schemeReferenceSheet(kind);
        return cells;
    });
}

void printUnplannedAnimals(MeasureKind kind) {
    fillTemplate("Список животных с незапланированными мероприятиями", glo::NAMEFILE, [kind] {
        SheetCells cells;
        const FilesInUse files{Access::PASPORT, measureKind(kind).measures.access, Access::ANIMVID, Access::POLVOZ};
        if (files.ready()) cells = unplannedAnimalsSheet(kind, glo::IDTASK, glo::IDVIDANIM, glo::TASNAME.str());
        return cells;
    });
}

}  // namespace vx::planning::schemes
