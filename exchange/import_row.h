#pragma once
// One row of the import sheet (columns B to H of the first sheet, column A not
// read) into a new passport of the holding and farm:
//   B inventory number, cut to 15      C birth date dd.mm.yyyy (empty: 0)
//   D species code, E group code: numbers rounded half away from zero (empty: 0)
//   F owner, G address: cut to 40      H 1 young stock, 2 main herd, fraction dropped (empty: 0)
// Trailing blanks are dropped before a text is read as a number or a date. A row
// whose seven cells are all empty is skipped. A date, code or herd value that
// cannot be read, an H other than 1 or 2, a species not in the species book, a
// group that is not a group of the row's species, or a birth date after today
// rejects the row.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/records.h"
#include "platform/core/decimal.h"

namespace vx::exchange {

// The sheet's columns B to H.
inline constexpr int kImportColumns = 7;

enum class RowVerdict { Add, Empty, Rejected };

struct ImportedRow {
    RowVerdict verdict = RowVerdict::Empty;
    dct::PASPORTRecord passport;  // ID left 0: numbered when written
};

// What a row's codes and date must fit.
struct ImportBooks {
    std::set<Decimal> species;                     // ANI:IDANIM
    std::set<std::pair<Decimal, Decimal>> groups;  // POL:IDPOL with its POL:IDVIDANIM
    int32_t today = 0;
};

// `cells`: the texts of B..H of the row, as the office layer reads them.
ImportedRow readImportRow(const std::string* cells, const Decimal& holding, const Decimal& farm,
                          const ImportBooks& books);

}  // namespace vx::exchange
