#pragma once
// An automation control created at run time for one operation: bound to a server
// by its class name, given command texts, made visible and destroyed. Each control
// keeps its own document, so two operations never use each other's.
//
// "Excel.Application" and "Word.Application" are served by the program's own
// LibreOffice process (Calc, Writer); "InternetExplorer.Application" hands the path
// of Navigate to the desktop's opener.
//
// The operation stops at its first failing call: that call is reported once (the
// file and the reason), and every later call of the control does nothing.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/core/decimal.h"
#include "platform/office/cell_address.h"

namespace vx::office {

// A value written into a cell: a text (a formula when it starts with "="), an
// exact number, or an integer.
using CellInput = std::variant<std::string, Decimal, std::int64_t>;

struct CellValue;

class AutomationControl {
public:
    AutomationControl();
    ~AutomationControl();  // the control is destroyed; documents shown stay with the server
    AutomationControl(const AutomationControl&) = delete;
    AutomationControl& operator=(const AutomationControl&) = delete;

    // The control's number, never reused in a run.
    long number() const { return number_; }

    // The "Create" property: the server's class name.
    void setCreate(std::string_view className);
    // With it on, the failing call is shown to the user in a message box.
    void setReportException(bool on);
    // Workbooks.Open opens the file as a template: an untitled copy, the file only read.
    void setOpenAsTemplate(bool on);

    // A command without a value: Workbooks.Open, Documents.Open, Rows("n").Select,
    // Rows("n:m").Select, Selection.Insert ... (as many rows as are selected), Navigate(path).
    void invoke(std::string_view command);
    // A property with a value: Worksheets(1).Range("A1").value.
    void set(std::string_view property, const CellInput& value);
    // The same property with a text written as it is: never a formula, and
    // "000123" keeps its zeros.
    void setLiteral(std::string_view property, std::string_view text);
    // The property's value as text ("" for an empty cell, and after a failure).
    std::string get(std::string_view property);
    // Worksheets(1).Range("B5:H900").value: the texts of the block row by row, each
    // as get() gives it, read in a few calls; empty after a failure.
    std::vector<std::string> getBlock(std::string_view property);
    // The same property set at once from `values`, row by row, one for every cell:
    // texts as setLiteral writes them, numbers as set does, in one call.
    void setBlock(std::string_view property, const std::vector<CellInput>& values);
    // The member "Visible": 1 brings the server's document into view.
    void setMember(std::string_view member, int value);
    // Cell writes and row inserts are held back and sent in blocks (before any
    // read and before Visible); this sends them now, so that a failure among them
    // is known before the caller reports success.
    void flush();

    // Whether a call has failed (and the operation stopped).
    bool failed() const { return failed_; }

private:
    struct Session;
    void fail(std::string_view call, const std::string& reason);
    void failWithoutServer(const std::string& reason);
    bool sendHeld();
    // The cell a property of the open workbook names; nullopt (and the failure reported) otherwise.
    std::optional<CellAddress> cellFor(std::string_view property);
    struct Block {
        CellAddress topLeft;
        int rows = 0, columns = 0;
    };
    // Likewise the block of cells, "B5:H900".
    std::optional<Block> blockFor(std::string_view property);
    void hold(CellAddress at, CellValue&& value, std::string_view property);
    template <typename Step>
    void attempt(std::string_view call, Step&& step);

    long number_;
    std::string className_;
    bool reportException_ = false;
    bool failed_ = false;
    std::unique_ptr<Session> session_;
};

}  // namespace vx::office
