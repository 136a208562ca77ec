#pragma once
// The cells an export of marked animals writes, by its variant (1 to 11): the
// heading cells, with the free-form heading the column titles in the first row,
// and one row per animal below it. Every text is a data text, written as it is
// (never a formula); a missing species or group name, a zero birth date and the
// empty cells of variant 5 write an empty cell.
//
//   variant  heading                                   A..I of an animal's row
//   1        C4 holding, F4 farm, F1 today (last)      no, inventory, birth, species, group, owner, address
//   2        A3 "Код:", B3/C3 preventive, H3 farm      no, id, inventory, species, name, age y,m, owner, address
//   3, 4     A3 "Код:", B3/C3 preventive, G3 farm      no, id, inventory, species, age y,m,d (4: y,m), owner, address
//   5        none                                      no, id, inventory, "", "", owner, address
//   6        A3 "Код:", B3/C3 diagnostic, G3 farm      no, id, owner, address, inventory, group, age y,m
//   7        as 3                                      no, id, inventory, species, group, birth, age y,m, owner, address
//   8        C4 holding, F4 farm, F1 today             no, inventory, birth, species code, group code, owner, address, herd
//   9        none                                      no, id, inventory, group, birth
//   10       A8 "Код:", B8/C8 diagnostic, D3 holding   no, owner CR LF address, inventory (15) CR LF name, birth
//            and farm
//   11       none                                      no, owner, address, species, group, age y,m, inventory
// The free-form heading writes A3 "Произвольный отчет" and empties B3, C3 and G3
// (variants 5 and 10 also A8, B8, C8 and D3); variant 11 has no titles.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/records.h"
#include "platform/core/decimal.h"
#include "platform/office/automation_control.h"

namespace vx::exchange {

// What one export works from, fixed when it starts: the window's own copies of
// what the user picked.
struct ExportChoice {
    std::string templatePath;
    Decimal variant;
    int64_t firstRow = 0;  // the title row; animals from the row below
    bool freeHeading = false;
    std::optional<Decimal> holding, farm;  // none when not picked
    std::string holdingName, farmName;
    Decimal preventiveId, diagnosticId;
    std::string preventiveName, diagnosticName;
};

struct ExportAnimal {
    dct::PASPORTRecord passport;
    std::optional<std::string> speciesName, groupName;  // none when the book lacks the id
};

struct ExportCell {
    std::string address;
    office::CellInput value;
};

struct ExportSheet {
    std::vector<ExportCell> heading;
    std::vector<std::vector<ExportCell>> rows;  // row i at firstRow + 1 + i
};

bool isFillVariant(const Decimal& variant);  // 1 to 11

ExportSheet exportSheet(const ExportChoice& choice, const std::vector<ExportAnimal>& animals, int32_t today);

}  // namespace vx::exchange
