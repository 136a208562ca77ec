#pragma once
// The analyses against the program's own LibreOffice: a template in the test's
// folder, the analysis run as its window's handler runs it with a path answered
// in the template dialog, and what the workbook it brought into view holds.

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "execution/plan_analysis.h"
#include "execution/tests/analysis_fixture.h"

namespace vx::execution::testing {

using Cells = std::map<std::string, std::string>;

class AnalysisWorkbookTest : public AnalysisTest {
protected:
    void SetUp() override;

    // "" cancels the dialog. Checks that a completion message came before the workbook was shown.
    AnalysisEnd run(AnalysisSource source, MeasureKind kind, AnalysisScope scope, const std::string& path);
    AnalysisEnd run(AnalysisSource source, MeasureKind kind, AnalysisScope scope) {
        return run(source, kind, scope, workbook.string());
    }
    // An analysis a window starts (`start`: a key in a journal), the dialog answered with
    // `path`; answers whether the workbook came into view before the completion message.
    std::optional<bool> play(const std::function<ui::Outcome()>& start, const std::string& path);

    // The shown workbook of the last run: the cells' values as read back, and
    // their formulas in the server's syntax.
    Cells values(const std::vector<std::string>& cells);
    Cells formulas(const std::vector<std::string>& cells);
    bool shown() const;
    // "caption: text" of the messages and dialogs of the last run.
    Lines runMessages() const;

    std::filesystem::path workbook;
    std::string templateBytes;

private:
    std::filesystem::path shownWorkbook() const;
    std::optional<AnalysisEnd> end_;
    long control_ = 0;  // of the last run
    std::size_t messagesBefore_ = 0;
};

// Every cell of the columns (letters) in rows first..last, row by row.
std::vector<std::string> cellsOf(const char* columns, int first, int last);

struct SchemeRowAt {
    int row;
    int stage;  // the measure id's stage digit
};
// The formulas a sheet holds in `cells`: those of columns E to H of the scheme
// rows by their stage digits, in the server's syntax, and "" everywhere else.
Cells expectedFormulas(const std::vector<std::string>& cells, const std::vector<SchemeRowAt>& schemeRows);

}  // namespace vx::execution::testing
