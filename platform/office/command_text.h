#pragma once
// The automation command texts the program sends, read into what they ask for.

#include <optional>
#include <string>
#include <string_view>

namespace vx::office {

enum class CommandKind {
    OpenWorkbook,       // Workbooks.Open("path")
    OpenDocument,       // Documents.Open("path")
    Navigate,           // Navigate(path)
    SelectRow,          // Rows("n").Select, Rows("n:m").Select
    InsertAtSelection,  // Selection.Insert Shift:=xlDown, CopyOrigin:=xlFormatFromLeftOrAbove
    CellValue,          // Worksheets(1).Range("A17").value
};

struct Command {
    CommandKind kind;
    std::string argument;  // path, row number or cell address
};

// nullopt for a text that is none of the known commands.
std::optional<Command> readCommand(std::string_view text);

}  // namespace vx::office
