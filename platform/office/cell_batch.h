#pragma once
// The cell writes and row inserts of one workbook, held back and sent to the
// office server in blocks. A cell written call by call costs several round trips
// to the server; a block of a thousand rows costs about as many as one cell.
// The sheet ends up as if every call had been made when it was given: a held
// write below an inserted row moves down with it, and the caller sends what is
// held before anything is read or shown.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/office/office_documents.h"

namespace vx::office {

class CellBatch {
public:
    explicit CellBatch(Sheet sheet) : sheet_(std::move(sheet)) {}

    // Formulas are held only while no insert is: their references would not move
    // with rows inserted after them. Inserts are held while each continues the
    // rows held before it (the way a filler adds its rows one under another).
    bool canHold(const CellValue& value) const { return value.kind != CellValue::Kind::Formula || !inserted_; }
    bool canHoldInsert(int row) const;

    // A later value for the same cell replaces the held one.
    void write(CellAddress at, CellValue value, std::string_view command);
    // `count` new rows at `row`.
    void insertRows(int row, int count, std::string_view command);

    // Sends what is held and forgets it, also when the server fails.
    void flush();
    bool empty() const { return cells_.empty() && !inserted_; }
    // The first call held: the one a failure of the send is reported with.
    const std::string& firstCommand() const { return firstCommand_; }

private:
    struct Rows {
        int row;
        int count;
    };
    void note(std::string_view command);
    void sendCells();

    Sheet sheet_;
    std::map<std::pair<int, int>, CellValue> cells_;  // (row, column), in sheet order
    std::optional<Rows> inserted_;
    int formulas_ = 0;
    std::string firstCommand_;
};

}  // namespace vx::office
