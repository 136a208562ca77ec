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

}  // namespace vx::office
