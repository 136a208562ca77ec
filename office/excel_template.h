#pragma once
// Filling a workbook template: the template opens as an untitled copy, the caller
// writes cells and adds rows, then its completion message is shown while the
// workbook is still hidden, and the filled workbook comes into view after the
// message is closed. Nothing is saved; the template file is only read.
//
// The fill stops at its first failure (a template that does not open, a bad
// cell): one message names the file and the reason, every later call does
// nothing, and finish() shows neither the completion message nor the workbook.
// Callers end their loops when failed() says so.
//
// A template carries one formatted data row; addRowBelow(ROW1) makes room for the
// next data row and moves whatever lies below (totals, signatures) down by one.
// A filler that knows its rows beforehand makes room for all of them at once
// (addRowsBelow) and writes them as one block (setBlock): one call each, where a
// row at a time costs one per row.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/decimal.h"
#include "platform/office/automation_control.h"

namespace vx::office {

class ExcelTemplate {
public:
    // The opening: a control bound to "Excel.Application" with error reporting on
    // (its number goes to FEQOLE). No workbook yet.
    ExcelTemplate();

    // Workbooks.Open("path"); the path without trailing blanks.
    void open(std::string_view path);

    // Worksheets(1).Range("cell").value = ...; a text starting with "=" is a formula
    // written as in a Russian spreadsheet ("=ЕСЛИ(C17>0;D17/C17;0)"); "" clears the cell.
    void setText(std::string_view cell, std::string_view text);
    void setNumber(std::string_view cell, const Decimal& value);
    void setNumber(std::string_view cell, std::int64_t value);
    // The value as given: a text keeps its trailing blanks.
    void setValue(std::string_view cell, const CellInput& value);
    // A data text as it is: "=Иванов" stays a text, "000123" keeps its zeros.
    void setLiteral(std::string_view cell, std::string_view text);
    // Cell address of a column letter and a row counter: cell("A", 17) is "A17".
    static std::string cell(std::string_view column, std::int64_t row);

    // Rows("row + 1").Select, then the insert that copies the format of the row above.
    void addRowBelow(std::int64_t row);
    // The same for `count` rows at once: Rows("row + 1:row + count").Select; each new
    // row takes the format of `row`. Nothing for a count below 1.
    void addRowsBelow(std::int64_t row, std::int64_t count);
    // The cells from `first` to `last` ("A17", "G916") from `values`, row by row, one
    // for every cell: texts as setLiteral writes them, numbers as numbers.
    void setBlock(std::string_view first, std::string_view last, const std::vector<CellInput>& values);

    // The cell's value as text: "" when empty (and after a failure), numbers in
    // plain digits with a point (exact for up to 15 significant digits), dates as dd.mm.yyyy.
    std::string read(std::string_view cell);
    // The cells from `first` to `last` ("B5", "H900"), row by row, each as read() gives it.
    std::vector<std::string> readBlock(std::string_view first, std::string_view last);

    // The caller's completion message (skipped when the caption and the text are
    // empty), then Visible = 1; the control is released when the filler goes.
    // Nothing at all once the fill has failed.
    void finish(std::string_view caption, std::string_view text);
    // Visible = 1 with no message.
    void show();

    bool failed() const { return control_.failed(); }

    AutomationControl& control() { return control_; }

private:
    AutomationControl control_;
};

}  // namespace vx::office
