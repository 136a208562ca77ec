#pragma once
// The export and the import against the program's own LibreOffice: a template in
// the test's folder, the operation run on a thread as its window's button runs
// it (messages answered OK), and what the workbook it brought into view holds.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "exchange/animal_export.h"
#include "exchange/animal_import.h"
#include "exchange/tests/exchange_fixture.h"

namespace vx::exchange::testing {

using Cells = std::map<std::string, std::string>;

class ExchangeWorkbookTest : public ExchangeTest {
protected:
    void SetUp() override;

    // The template of the office fixture (its row 17 formatted, "Итого" in A18);
    // holding 1, farm 2, the title row 16, so the animals start on row 17.
    ExportChoice choice(int variant, bool freeHeading = false) const;
    ExportEnd exportWith(const ExportChoice& c);
    ImportEnd importWith(const ImportChoice& c);

    // The workbook the last operation brought into view ("" when none did).
    std::filesystem::path shown() const;
    Cells values(const std::filesystem::path& workbook, const std::vector<std::string>& cells);
    // "caption: text" of the messages of the last operation.
    Lines runMessages() const;

    std::filesystem::path templatePath;
    std::string templateBytes;

private:
    void play(const std::function<void()>& operation);
    long control_ = 0;
    std::size_t messagesBefore_ = 0;
};

}  // namespace vx::exchange::testing
