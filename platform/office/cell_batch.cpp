#include "platform/office/cell_batch.h"

#include <iterator>
#include <tuple>
#include <vector>

namespace vx::office {
namespace {

bool isFormulaValue(const CellValue& v) { return v.kind == CellValue::Kind::Formula; }

// Cells of consecutive rows, each row the same run of columns and of one kind.
struct Block {
    CellAddress topLeft;
    int rows = 0;
    int columns = 0;
    std::vector<const CellValue*> cells;
};

}  // namespace

bool CellBatch::canHoldInsert(int row) const {
    if (formulas_ > 0) return false;
    return !inserted_ || row == inserted_->row + inserted_->count;
}

void CellBatch::note(std::string_view command) {
    if (empty()) firstCommand_ = std::string(command);
}

void CellBatch::write(CellAddress at, CellValue value, std::string_view command) {
    note(command);
    if (isFormulaValue(value)) ++formulas_;
    auto [place, added] = cells_.try_emplace({at.row, at.column}, std::move(value));
    if (!added) {
        if (isFormulaValue(place->second)) --formulas_;
        place->second = std::move(value);
    }
}

void CellBatch::insertRows(int row, int count, std::string_view command) {
    note(command);
    // Held cells from that row down move with the rows.
    const auto from = cells_.lower_bound({row, 0});
    std::vector<std::pair<std::pair<int, int>, CellValue>> moved(std::make_move_iterator(from),
                                                                 std::make_move_iterator(cells_.end()));
    cells_.erase(from, cells_.end());
    for (auto& [at, value] : moved) cells_.emplace(std::pair{at.first + count, at.second}, std::move(value));
    if (inserted_) inserted_->count += count;
    else inserted_ = Rows{row, count};
}

void CellBatch::flush() {
    const std::optional<Rows> inserted = std::exchange(inserted_, std::nullopt);
    struct Forget {
        CellBatch& b;
        ~Forget() {
            b.cells_.clear();
            b.formulas_ = 0;
        }
    } forget{*this};
    if (inserted) office::insertRows(sheet_, inserted->row, inserted->count);
    sendCells();
}

void CellBatch::sendCells() {
    // Open blocks by (first column, width, kind); a row's run extends the open
    // block of its shape when that block ends on the row above.
    std::map<std::tuple<int, int, bool>, Block> open;
    auto send = [this](const Block& b) { writeBlock(sheet_, b.topLeft, b.rows, b.columns, b.cells); };
    for (auto it = cells_.begin(); it != cells_.end();) {
        const int row = it->first.first;
        const int left = it->first.second;
        const bool formulas = isFormulaValue(it->second);
        std::vector<const CellValue*> run{&it->second};
        for (++it; it != cells_.end() && it->first.first == row &&
                   it->first.second == left + static_cast<int>(run.size()) && isFormulaValue(it->second) == formulas;
             ++it)
            run.push_back(&it->second);

        const auto shape = std::make_tuple(left, static_cast<int>(run.size()), formulas);
        const auto found = open.find(shape);
        if (found != open.end() && found->second.topLeft.row + found->second.rows == row) {
            Block& b = found->second;
            b.cells.insert(b.cells.end(), run.begin(), run.end());
            ++b.rows;
            continue;
        }
        if (found != open.end()) {
            send(found->second);
            open.erase(found);
        }
        open.emplace(shape, Block{CellAddress{left, row}, 1, static_cast<int>(run.size()), std::move(run)});
    }
    for (const auto& [shape, b] : open) send(b);
}

}  // namespace vx::office
