#include "exchange/animal_import.h"

#include "dictionary/bulk_write.h"
#include "dictionary/files_in_use.h"
#include "dictionary/names.h"
#include "exchange/import_row.h"
#include "exchange/place_choice.h"
#include "platform/core/fields.h"
#include "office/excel_template.h"
#include "platform/core/dates.h"
#include "platform/core/text.h"
#include "platform/store/record_file.h"
#include "platform/ui/dialogs.h"

namespace vx::exchange {

using namespace dct;
using office::ExcelTemplate;

namespace {

constexpr const char* kCaption = "Первоначальный ввод данных";
constexpr std::size_t kRejectedShown = 20;

struct ReadSheet {
    std::vector<PASPORTRecord> passports;
    int64_t skipped = 0;
    std::vector<int64_t> rejected;
};

constexpr PlaceWords kPlaceWords{"Выберите хозяйство и ферму, в которые вводятся животные.",
                                 "Выберите хозяйство, в которое вводятся животные.",
                                 "Выберите ферму, в которую вводятся животные."};

std::optional<std::string> refusalOf(const ImportChoice& c) {
    if (auto missing = missingPlace(c.holding, c.farm, kPlaceWords)) return missing;
    if (!farmOfHolding(FERMA.handle().database()->table(), *c.holding, *c.farm)) return kFarmOfAnotherHolding;
    if (c.firstRow < 1) return "Первая строка листа должна быть не меньше 1.";
    return std::nullopt;
}

// The species and groups the rows may name, as the books hold them now.
ImportBooks currentBooks() {
    ImportBooks books;
    books.today = clock::today();
    ANIMVID.handle().database()->table().scan({}, [&](store::Position, const void* stored) {
        books.species.insert(static_cast<const ANIMVIDRecord*>(stored)->IDANIM.value());
        return true;
    });
    POLVOZ.handle().database()->table().scan({}, [&](store::Position, const void* stored) {
        const auto& g = *static_cast<const POLVOZRecord*>(stored);
        books.groups.insert({g.IDPOL.value(), g.IDVIDANIM.value()});
        return true;
    });
    return books;
}

ReadSheet readRows(const std::vector<std::string>& cells, const ImportChoice& c) {
    ReadSheet sheet;
    const ImportBooks books = currentBooks();
    for (std::size_t at = 0; at + kImportColumns <= cells.size(); at += kImportColumns) {
        const int64_t row = c.firstRow + static_cast<int64_t>(at / kImportColumns);
        ImportedRow read = readImportRow(&cells[at], *c.holding, *c.farm, books);
        if (read.verdict == RowVerdict::Add) sheet.passports.push_back(std::move(read.passport));
        else if (read.verdict == RowVerdict::Empty) ++sheet.skipped;
        else sheet.rejected.push_back(row);
    }
    return sheet;
}

std::string summaryOf(const ReadSheet& s) {
    std::string text = "Добавлено: " + std::to_string(s.passports.size()) +
                       ". Пропущено пустых строк: " + std::to_string(s.skipped) +
                       ". Отклонено: " + std::to_string(s.rejected.size()) + ".";
    if (s.rejected.empty()) return text;
    text += "|Отклонены строки:";
    for (std::size_t i = 0; i < s.rejected.size() && i < kRejectedShown; ++i)
        text += (i ? ", " : " ") + std::to_string(s.rejected[i]);
    if (s.rejected.size() > kRejectedShown) text += " ...";
    return text;
}

}  // namespace

bool addPassports(std::vector<PASPORTRecord>& passports) {
    BulkWrite work(kCaption, {Access::PASPORT, Access::FERMA});
    if (!work.ok()) return false;
    // Under the write lock: another station may have renumbered or deleted the farm since it was chosen.
    for (const PASPORTRecord& p : passports)
        if (!farmOfHolding(work.table(Access::FERMA), p.IDHOZ, p.IDFERMA)) {
            work.fail("Запись изменена на другой станции.");
            return work.commit();
        }
    store::Table& table = work.table(Access::PASPORT);
    const Decimal highest = table.highest(table.def().fieldIndex("ID"));
    // Numbers past a LONG's range would wrap into negative ones.
    if (!longHolds(highest + Decimal(static_cast<long long>(passports.size())))) {
        work.fail("Номера паспортов исчерпаны: новые животные не помещаются в файл.");
        return work.commit();
    }
    Long id = static_cast<Long>(highest.toInt64());
    for (PASPORTRecord& p : passports) {
        p.ID = ++id;
        if (!work.insert(Access::PASPORT, &p)) break;
    }
    return work.commit();
}

ImportEnd runImport(const ImportChoice& choice) {
    ExcelTemplate excel;
    if (clip(choice.workbookPath).empty()) return ImportEnd::CloseWindow;
    const FilesInUse files{Access::PASPORT, Access::FERMA, Access::ANIMVID, Access::POLVOZ};
    if (!files.ready()) return ImportEnd::Stopped;
    if (const auto refusal = refusalOf(choice)) {
        ui::messageBox(kCaption, *refusal);
        return ImportEnd::Stopped;
    }
    excel.open(choice.workbookPath);
    std::vector<std::string> cells;
    if (choice.lastRow >= choice.firstRow)
        cells = excel.readBlock(ExcelTemplate::cell("B", choice.firstRow), ExcelTemplate::cell("H", choice.lastRow));
    else excel.control().flush();
    if (excel.failed()) return ImportEnd::Stopped;

    ReadSheet sheet = readRows(cells, choice);
    if (!addPassports(sheet.passports)) return ImportEnd::Stopped;
    ui::messageBox(kCaption, "Ввод данных закончен!");
    ui::messageBox(kCaption, summaryOf(sheet));
    excel.show();
    return excel.failed() ? ImportEnd::Stopped : ImportEnd::Done;
}

}  // namespace vx::exchange
