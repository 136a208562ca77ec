#include "platform/office/cell_address.h"

namespace vx::office {
namespace {

constexpr int kMaxColumns = 16384;
constexpr int kMaxRows = 1048576;

}  // namespace

std::optional<int> readRowNumber(std::string_view text) {
    if (text.empty() || text.size() > 7) return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > kMaxRows) return std::nullopt;
    return n - 1;
}

std::optional<RowSpan> readRowSpan(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::optional<int> first = readRowNumber(text.substr(0, colon));
    const std::optional<int> last = colon == std::string_view::npos ? first : readRowNumber(text.substr(colon + 1));
    if (!first || !last || *last < *first) return std::nullopt;
    return RowSpan{*first, *last - *first + 1};
}

std::optional<CellAddress> readCellAddress(std::string_view text) {
    std::size_t i = 0;
    int column = 0;
    for (; i < text.size() && i < 4; ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + (c - 'A' + 1);
    }
    if (i == 0 || column > kMaxColumns) return std::nullopt;
    const std::optional<int> row = readRowNumber(text.substr(i));
    if (!row) return std::nullopt;
    return CellAddress{column - 1, *row};
}

}  // namespace vx::office
