#pragma once
// Test workbooks made through the office server itself, and a look at what a
// shown workbook holds.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vx::office::testing {

// A template: "Отчёт" in A1, the date 05.03.2019 in B1, "=A18" in C1, a formatted
// data row 17 (bold, yellow, 1 cm high), "Итого" in A18.
void makeTemplate(const std::filesystem::path& file, const std::string& filterName);
// An analysis template: a heading in A1, column titles in row 6, a formatted data
// row 7 (bold, yellow, 1 cm high) and "Итого" in B8.
void makeAnalysisTemplate(const std::filesystem::path& file, const std::string& filterName);
// The formulas of cells of a workbook's first sheet as the server holds them
// ("=IF(C7>0;D7/C7*100;)"), "" for a cell without one.
std::map<std::string, std::string> formulas(const std::filesystem::path& workbook,
                                            const std::vector<std::string>& cells);

struct RowLook {
    bool bold = false;
    long background = 0;
    long height = 0;
};
// Column B of a row (from 1) of a workbook's first sheet.
RowLook rowLook(const std::filesystem::path& workbook, int row);

// Whether the running office counts its start module among its installed modules
// (then a last document the user closes makes room for the start window).
bool startModuleInstalled();

// The office ends as when the user closes its last document: the call returns once the
// office has let go of its bridge, while its process may still be ending.
void endAsTheUserDoes();

// How many documents the office server holds open.
int openDocuments();
// Whether the server holds the file itself open (not an untitled copy of it).
bool openAsItself(const std::filesystem::path& file);

}  // namespace vx::office::testing
