#include "exchange/tests/exchange_workbook.h"

#include "app/globals.h"
#include "office/excel_template.h"
#include "office/tests/office_fixture.h"
#include "office/tests/office_play.h"

namespace vx::exchange::testing {

namespace fs = std::filesystem;

std::vector<std::string> cellsOf(const char* columns, int first, int last) {
    std::vector<std::string> cells;
    for (int row = first; row <= last; ++row)
        for (const char* c = columns; *c; ++c) cells.push_back(std::string(1, *c) + std::to_string(row));
    return cells;
}

void ExchangeWorkbookTest::SetUp() {
    ExchangeTest::SetUp();
    templatePath = dir / "Шаблон экспорта.xls";
    office::testing::makeTemplate(templatePath, "MS Excel 97");
    templateBytes = office::testing::fileBytes(templatePath);
}

ExportChoice ExchangeWorkbookTest::choice(int variant, bool freeHeading) const {
    ExportChoice c;
    c.templatePath = templatePath.string();
    c.variant = variant;
    c.firstRow = 16;
    c.freeHeading = freeHeading;
    c.holding = 1;
    c.farm = 2;
    c.holdingName = "Заря";
    c.farmName = "Ферма №2";
    c.preventiveId = *Decimal::parse("5.1");
    c.preventiveName = "Сибирская язва";
    c.diagnosticId = 7;
    c.diagnosticName = "Туберкулёз";
    return c;
}

void ExchangeWorkbookTest::play(const std::function<void()>& operation) {
    const long before = glo::FEQOLE;
    messagesBefore_ = messages().size();
    h->addProcedure("Operation", operation);
    const ui::Outcome played = h->start("Operation");
    EXPECT_TRUE(played) << played.refusal;
    control_ = glo::FEQOLE == before ? 0 : long{glo::FEQOLE};
    EXPECT_EQ(office::testing::fileBytes(templatePath), templateBytes) << "the template is unchanged";
}

ExportEnd ExchangeWorkbookTest::exportWith(const ExportChoice& c) {
    ExportEnd end = ExportEnd::Nothing;
    play([&] { end = runExport(c); });
    return end;
}

ImportEnd ExchangeWorkbookTest::importWith(const ImportChoice& c) {
    ImportEnd end = ImportEnd::Stopped;
    play([&] { end = runImport(c); });
    return end;
}

fs::path ExchangeWorkbookTest::shown() const {
    const fs::path book = office::testing::shownDocument(control_, "ods");
    return control_ != 0 && fs::exists(book) ? book : fs::path();
}

Cells ExchangeWorkbookTest::values(const fs::path& workbook, const std::vector<std::string>& cells) {
    Cells read;
    onThread([&] {
        office::ExcelTemplate look;
        look.open(workbook.string());
        for (const std::string& c : cells) read[c] = look.read(c);
    });
    return read;
}

Lines ExchangeWorkbookTest::runMessages() const {
    const Lines all = messages();
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(messagesBefore_), all.end());
}

}  // namespace vx::exchange::testing
