#pragma once
// Shows a document attached to a record with the program for its kind, and the
// browser step the manual uses.

#include <string_view>

namespace vx::office {

enum class DocumentServer { WordProcessor, Spreadsheet, Browser };

// By the last three characters of the path without trailing blanks, compared
// exactly: "doc" and "rtf" go to the word processor, "xls" to the spreadsheet,
// anything else (".DOC", ".xlsx", a path shorter than three) to the browser.
DocumentServer serverForDocument(std::string_view path);

// An empty path gives the message "Запись не содержит прикрепленного документа.";
// otherwise the document is opened and brought into view.
void openDocument(std::string_view path);

// "InternetExplorer.Application": Navigate(path), the path without quotes, then Visible.
void showInBrowser(std::string_view path);
// The same with the command text already made ("Navigate(" + path + ")").
void runInBrowser(std::string_view command);

}  // namespace vx::office
