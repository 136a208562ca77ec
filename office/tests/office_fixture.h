#pragma once
// Test workbooks made through the office server itself, and a look at what a
// shown workbook holds.

#include <filesystem>
#include <string>

namespace vx::office::testing {

// A template: "Отчёт" in A1, a formatted data row 17 (bold, yellow, 30 high), "Итого" in A18.
void makeTemplate(const std::filesystem::path& file, const std::string& filterName);

struct RowLook {
    bool bold = false;
    long background = 0;
    long height = 0;
};
RowLook rowLook(const std::filesystem::path& workbook, int row);

std::string fileBytes(const std::filesystem::path& file);

}  // namespace vx::office::testing
