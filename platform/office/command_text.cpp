#include "platform/office/command_text.h"

namespace vx::office {
namespace {

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool endsWith(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

// The text between `head` and `tail`, when the command is exactly head + inside + tail.
std::optional<std::string> between(std::string_view text, std::string_view head, std::string_view tail) {
    if (text.size() < head.size() + tail.size() || !startsWith(text, head) || !endsWith(text, tail))
        return std::nullopt;
    return std::string(text.substr(head.size(), text.size() - head.size() - tail.size()));
}

}  // namespace

std::optional<Command> readCommand(std::string_view text) {
    if (auto a = between(text, "Workbooks.Open(\"", "\")")) return Command{CommandKind::OpenWorkbook, *a};
    if (auto a = between(text, "Documents.Open(\"", "\")")) return Command{CommandKind::OpenDocument, *a};
    if (auto a = between(text, "Worksheets(1).Range(\"", "\").value")) return Command{CommandKind::CellValue, *a};
    if (auto a = between(text, "Rows(\"", "\").Select")) return Command{CommandKind::SelectRow, *a};
    if (text == "Selection.Insert Shift:=xlDown, CopyOrigin:=xlFormatFromLeftOrAbove")
        return Command{CommandKind::InsertAtSelection, {}};
    // The path goes without quotes and may hold blanks and parentheses of its own.
    if (auto a = between(text, "Navigate(", ")")) return Command{CommandKind::Navigate, *a};
    return std::nullopt;
}

}  // namespace vx::office
