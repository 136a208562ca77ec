#pragma once
// "A17" into a zero-based column and row of a sheet.

#include <optional>
#include <string_view>

namespace vx::office {

struct CellAddress {
    int column = 0;
    int row = 0;
};

// Column letters (A..XFD, either case) followed by a row number from 1; nullopt otherwise.
std::optional<CellAddress> readCellAddress(std::string_view text);
// "17" into row 16; nullopt unless plain digits from 1.
std::optional<int> readRowNumber(std::string_view text);

// Rows from `first` (zero-based), `count` of them.
struct RowSpan {
    int first = 0;
    int count = 1;
};
// "17" (one row) or "17:20" (four rows); nullopt unless both are row numbers, the second not above the first.
std::optional<RowSpan> readRowSpan(std::string_view text);

}  // namespace vx::office
