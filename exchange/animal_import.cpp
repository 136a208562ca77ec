#include "exchange/animal_import.h"

#include "dictionary/files_in_use.h"
#include "dictionary/names.h"
#include "exchange/import_row.h"
#include "office/excel_template.h"
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

bool farmOfHolding(const Decimal& holding, const Decimal& farm) {
    bool found = false;
    store::ScanSpec spec;
    spec.keyIndex = FER_K3.index;
    spec.equal = {Value(holding), Value(farm)};
    spec.limit = 1;
    FERMA.handle().database()->table().scan(spec, [&](store::Position, const void*) {
        found = true;
        return false;
    });
    return found;
}

std::optional<std::string> refusalOf(const ImportChoice& c) {
    if (!c.holding || !c.farm) return "Выберите хозяйство и ферму, в которые вводятся животные.";
    if (!farmOfHolding(*c.holding, *c.farm)) return "Выбранная ферма не относится к выбранному хозяйству.";
    if (c.firstRow < 1) return "Первая строка листа должна быть не меньше 1.";
    return std::nullopt;
}

ReadSheet readRows(const std::vector<std::string>& cells, const ImportChoice& c) {
    ReadSheet sheet;
    for (std::size_t at = 0; at + kImportColumns <= cells.size(); at += kImportColumns) {
        const int64_t row = c.firstRow + static_cast<int64_t>(at / kImportColumns);
        ImportedRow read = readImportRow(&cells[at], *c.holding, *c.farm);
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

std::optional<std::string> addPassports(std::vector<PASPORTRecord>& passports) {
    const std::shared_ptr<store::Database> file = PASPORT.handle().sharedDatabase();
    if (!file) return std::string("файл паспортов не открыт");
    store::Transaction transaction({file});
    if (!transaction.begun()) return transaction.errorText();
    store::Table& table = transaction.table(*file);
    Long id = static_cast<Long>(table.highest(table.def().fieldIndex("ID")).toInt64());
    for (PASPORTRecord& p : passports) {
        p.ID = ++id;
        if (!table.insert(&p)) return table.lastErrorText();
    }
    if (!transaction.commit()) return transaction.errorText();
    return std::nullopt;
}

ImportEnd runImport(const ImportChoice& choice) {
    ExcelTemplate excel;
    if (clip(choice.workbookPath).empty()) return ImportEnd::CloseWindow;
    const FilesInUse files{Access::PASPORT, Access::FERMA};
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
    if (const auto failure = addPassports(sheet.passports)) {
        ui::messageBox(kCaption, "Животные не добавлены: " + *failure + ".|Ни одна запись не изменена.");
        return ImportEnd::Stopped;
    }
    ui::messageBox(kCaption, "Ввод данных закончен!");
    ui::messageBox(kCaption, summaryOf(sheet));
    excel.show();
    return excel.failed() ? ImportEnd::Stopped : ImportEnd::Done;
}

}  // namespace vx::exchange
