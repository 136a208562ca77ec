#include "exchange/tests/exchange_workbook.h"

#include "context/globals.h"
#include "office/excel_template.h"
#include "office/tests/office_fixture.h"
#include "office/tests/office_play.h"

namespace vx::exchange::testing {

namespace fs = std::filesystem;

void ExchangeWorkbookTest::SetUp() {
    ExchangeTest::SetUp();
    templatePath = dir / "Шаблон экспорта.xls";
    office::testing::makeTemplate(templatePath, "MS Excel 97");
    templateBytes = office::testing::fileBytes(templatePath);
}

ExportChoice ExchangeWorkbookTest::choice(int variant, bool freeHeading) const {
    return sampleChoice(variant, freeHeading, 16, templatePath.string());
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
