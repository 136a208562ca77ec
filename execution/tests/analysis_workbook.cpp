#include "execution/tests/analysis_workbook.h"

#include "context/globals.h"
#include "office/excel_template.h"
#include "office/tests/completion_watch.h"
#include "office/tests/office_fixture.h"
#include "office/tests/office_play.h"
#include "platform/office/formula_text.h"

namespace vx::execution::testing {

namespace fs = std::filesystem;

std::vector<std::string> cellsOf(const char* columns, int first, int last) {
    std::vector<std::string> cells;
    for (int row = first; row <= last; ++row)
        for (const char* c = columns; *c; ++c) cells.push_back(std::string(1, *c) + std::to_string(row));
    return cells;
}

Cells expectedFormulas(const std::vector<std::string>& cells, const std::vector<SchemeRowAt>& schemeRows) {
    Cells f;
    for (const std::string& cell : cells) f[cell] = "";
    for (const SchemeRowAt& s : schemeRows) {
        const std::string r = std::to_string(s.row), below = std::to_string(s.row + 1);
        const auto percent = [&](const char* part, const char* whole) {
            return office::serverFormula(std::string("=ЕСЛИ(") + whole + r + ">0;" + part + r + "/" + whole + r +
                                         "*100;)");
        };
        f["E" + r] = percent("D", "C");
        if (s.stage == 2) continue;
        f["F" + r] = s.stage == 1 ? "=C" + r + "+C" + below : "=C" + r;
        f["G" + r] = s.stage == 1 ? "=D" + r + "+D" + below : "=D" + r;
        f["H" + r] = percent("G", "F");
    }
    return f;
}

void AnalysisWorkbookTest::SetUp() {
    AnalysisTest::SetUp();
    workbook = dir / "Шаблон Анализа.xls";
    office::testing::makeAnalysisTemplate(workbook, "MS Excel 97");
    templateBytes = office::testing::fileBytes(workbook);
}

AnalysisEnd AnalysisWorkbookTest::run(AnalysisSource source, MeasureKind kind, AnalysisScope scope,
                                      const std::string& path) {
    end_.reset();
    h->addProcedure("Analysis", [&] { end_ = runAnalysis(source, kind, scope); });
    const std::optional<bool> shownFirst = play([&] { return h->start("Analysis"); }, path);
    if (end_ == AnalysisEnd::Done) {
        EXPECT_EQ(shownFirst, std::optional<bool>(false)) << "the completion message comes first";
    }
    return end_.value_or(AnalysisEnd::Stopped);
}

std::optional<bool> AnalysisWorkbookTest::play(const std::function<ui::Outcome()>& start, const std::string& path) {
    office::testing::CompletionWatch watch(h->renderer(), [] { return long{glo::FEQOLE}; });
    const long before = glo::FEQOLE;
    messagesBefore_ = messages().size();
    EXPECT_TRUE(h->file(path));
    const ui::Outcome played = start();
    EXPECT_TRUE(played) << played.refusal;
    control_ = glo::FEQOLE == before ? 0 : long{glo::FEQOLE};
    EXPECT_EQ(office::testing::fileBytes(workbook), templateBytes) << "the template is unchanged";
    return watch.shownBeforeMessage;
}

fs::path AnalysisWorkbookTest::shownWorkbook() const { return office::testing::shownDocument(control_, "ods"); }

Lines AnalysisWorkbookTest::runMessages() const {
    const Lines all = messages();
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(messagesBefore_), all.end());
}

bool AnalysisWorkbookTest::shown() const { return fs::exists(shownWorkbook()); }

Cells AnalysisWorkbookTest::values(const std::vector<std::string>& cells) {
    Cells read;
    const fs::path book = shownWorkbook();
    onThread([&] {
        office::ExcelTemplate look;
        look.open(book.string());
        for (const std::string& c : cells) read[c] = look.read(c);
    });
    return read;
}

Cells AnalysisWorkbookTest::formulas(const std::vector<std::string>& cells) {
    return office::testing::formulas(shownWorkbook(), cells);
}

}  // namespace vx::execution::testing
