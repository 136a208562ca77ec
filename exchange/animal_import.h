#pragma once
// The import of a first list of animals from a workbook, as the import window's
// ?BUTTON4 runs it on the window's thread: rows firstRow..lastRow of the first
// sheet, columns B to H (exchange/import_row.h), each into a new passport of the
// holding and farm picked in the window.
//
// Refused with a message, adding nothing: no holding or no farm picked (which
// one), a farm not of the holding, a first row below 1, a workbook that does not
// open or cannot be read (the office layer's one message). Rows are rejected as
// exchange/import_row.h says, against the species and groups of the books. The passports are written all at once or not at
// all, numbered on after the highest PAS:ID; a write that cannot be done is
// reported and nothing is added. After the write: "Ввод данных закончен!" and
// "Добавлено: N. Пропущено пустых строк: M. Отклонено: K." with the rejected rows
// (up to 20), caption "Первоначальный ввод данных"; then the workbook comes into
// view unchanged. Without a workbook path the window closes, nothing said.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/records.h"
#include "platform/core/decimal.h"

namespace vx::exchange {

struct ImportChoice {
    std::optional<Decimal> holding, farm;  // as picked in the window
    std::string workbookPath;
    int64_t firstRow = 0, lastRow = 0;
};

enum class ImportEnd { CloseWindow, Done, Stopped };

ImportEnd runImport(const ImportChoice& choice);

// The write step: every record into PASPORT in one transaction, PAS:ID given on
// from the highest in the file, while the farm of each is still there. False when
// nothing was written; the user has been told why (the database busy, its folder
// read-only, the disk full, the farm gone meanwhile, the numbers used up).
bool addPassports(std::vector<dct::PASPORTRecord>& passports);

}  // namespace vx::exchange
