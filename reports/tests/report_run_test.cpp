#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/dates.h"
#include "platform/pages/page_text.h"
#include "platform/pages/pdf_output.h"
#include "platform/qt/page_painter.h"
#include "platform/runtime/thread_state.h"
#include "reports/tests/reports_fixture.h"
#include "tests/limited_folder.h"

namespace vx::reports::testing {
namespace {

using namespace dct;
namespace response = rt::response;

class ReportRunTest : public ReportsTest {
protected:
    void SetUp() override {
        ReportsTest::SetUp();
        pages::setPdfWriter(qt::writePdf);
        glo::GLO_REPORTQUERYRESULT = "";
        addExampleBooks();
        for (int id = 1; id <= 3; ++id) addPassport(1, 1, id, "00" + std::to_string(id), [] { PAS->IDPOL = 3; });
    }
};

TEST_F(ReportRunTest, TheProgressWindowShowsItselfAndCancelLeavesNoPreview) {
    PLAY(h->start("PrintQBE"));
    EXPECT_EQ(h->current()->caption(), "Формирую...");
    EXPECT_EQ(h->tooltip("?Progress:Cancel"), "Cancel Report");
    EXPECT_EQ(h->value("?Progress:Cancel"), "Отмена");
    PLAY(h->press("?Progress:Cancel"));
    PLAY(h->wait(1));
    EXPECT_EQ(h->report(), nullptr);
    PLAY(h->expectClosed("PrintQBE"));
    EXPECT_EQ(answered, response::Cancelled);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ReportRunTest, AFilterThatCannotBeEvaluatedIsSaidOnceAndNothingPrints) {
    const std::string cut = "(UPPER(PAS:fio) = '" + std::string(120, 'A');
    const std::string cases[] = {"Произвольный", "(UPPER(PAS:fio) = 'O'BRIEN')", cut};
    for (const std::string& filter : cases) {
        glo::GLO_REPORTQUERYRESULT = filter;
        const std::string handed = glo::GLO_REPORTQUERYRESULT;
        std::string pages;
        EXPECT_EQ(print("PrintQBE", &pages), response::Cancelled) << filter;
        EXPECT_EQ(pages, "");
        ASSERT_FALSE(messages().empty());
        EXPECT_EQ(messages().back(), "Ошибка фильтра: Фильтр отчёта не удаётся вычислить:\n" + handed);
        EXPECT_EQ(glo::GLO_REPORTQUERYRESULT, "") << filter;
    }
    EXPECT_EQ(messages().size(), std::size(cases));
}

TEST_F(ReportRunTest, ThePreviewTurnsPagesZoomsAndSaysWhenThereIsNoPrinter) {
    for (int id = 4; id <= 40; ++id) addPassport(1, 1, id, "A" + std::to_string(id), [] { PAS->IDPOL = 3; });
    PLAY(h->start("PrintQBE"));
    PLAY(h->wait(1));
    const ui::PagesControl* preview = h->report();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->pageCount(), 2);
    EXPECT_EQ(h->value("?PageNumber"), "Страница 1 из 2");
    PLAY(h->press("?Next"));
    EXPECT_EQ(preview->page(), 1);
    PLAY(h->press("?Next"));
    EXPECT_EQ(h->value("?PageNumber"), "Страница 2 из 2");
    PLAY(h->press("?ZoomIn"));
    EXPECT_EQ(h->value("?Zoom"), "125%");
    PLAY(h->press("?Print"));
    PLAY(h->expectMessage("Печать", "Принтер не установлен: печатать не на чем.|Отчёт можно сохранить в PDF."));
    const std::string pdf = (dir / "list.pdf").string();
    PLAY(h->file(dir.string() + "/list"));
    PLAY(h->press("?SavePdf"));
    EXPECT_TRUE(std::filesystem::exists(pdf));
    // The name the dialog offers, taken in the folder chosen.
    PLAY(h->file(dir.string()));
    PLAY(h->press("?SavePdf"));
    EXPECT_EQ(h->messages().back().suggestedName, "Список животных (произвольный отчёт).pdf");
    EXPECT_TRUE(std::filesystem::exists(dir / "Список животных (произвольный отчёт).pdf"));
    PLAY(h->close());
    EXPECT_EQ(answered, response::Completed);
}

TEST_F(ReportRunTest, TheProgressWindowAndThePreviewKeepTheirPlacesApart) {
    PLAY(h->start("PrintQBE"));
    h->current()->setGeometry({40, 30, 200, 100});
    PLAY(h->wait(1));
    h->current()->setGeometry({10, 20, 800, 600});
    PLAY(h->close());
    PLAY(h->expectIni("PrintQBE", "XPos", "40"));
    PLAY(h->expectIni("PrintQBEPreview", "XPos", "10"));
    PLAY(h->expectIni("PrintQBEPreview", "Width", "800"));
    PLAY(h->start("PrintQBE"));
    PLAY(h->wait(1));
    EXPECT_EQ(h->current()->geometry(), (ui::Geometry{10, 20, 800, 600}));
    PLAY(h->close());
}

// The text of a PDF through the poppler tools.
std::string pdfText(const std::string& path) {
    const std::string out = path + ".txt";
    if (std::system(("pdftotext -layout '" + path + "' '" + out + "'").c_str()) != 0) return "";
    std::ifstream in(out);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(ReportRunTest, ThePdfOfAReportHoldsItsCyrillicText) {
    setenv("VETRIX_REPORT_PDF_DIR", dir.string().c_str(), 1);
    std::string pages;
    EXPECT_EQ(print("PrintQBE", &pages), response::Completed);
    unsetenv("VETRIX_REPORT_PDF_DIR");
    const std::string text = pdfText((dir / "PrintQBE-1.pdf").string());
    EXPECT_NE(text.find("Список животных (произвольный отчёт)"), std::string::npos) << text;
    EXPECT_NE(text.find("Всего на ферме (населенном пункте):"), std::string::npos) << text;
    EXPECT_NE(text.find("Заря"), std::string::npos) << text;
}

TEST_F(ReportRunTest, ATwoPageAnimalListIsDrawnLegibly) {
    for (int id = 4; id <= 40; ++id)
        addPassport(1, 1, id, "ИН" + std::to_string(100000 + id), [] {
            PAS->IDPOL = 3;
            PAS->FIO = "Иванов Иван Иванович";
            PAS->ADRES = "ул. Садовая, 12";
            PAS->DATAROG = makeDate(3, 15, 2023);
        });
    PLAY(h->start("PrintQBE"));
    PLAY(h->wait(1));
    const ui::PagesControl* preview = h->report();
    ASSERT_NE(preview, nullptr);
    ASSERT_EQ(preview->pageCount(), 2);
    const char* binary = std::getenv("VX_TEST_BINARY_DIR");
    const std::filesystem::path screens = std::filesystem::path(binary ? binary : ".") / "screens";
    std::filesystem::create_directories(screens);
    for (int page = 0; page < 2; ++page) {
        const QImage image = qt::pageImage(*preview->document(), page, 4);
        EXPECT_TRUE(image.save(QString::fromStdString((screens / ("report_animal_list_" + std::to_string(page + 1) + ".png")).string())));
    }
    PLAY(h->close());
}

// More passports than the first page's read takes, so the rest comes in the order
// sorted once: every passport is listed once, in the report's order, on pages
// kept out of memory and numbered in turn, and the preview shows the first.
TEST_F(ReportRunTest, AReportOfManyPagesListsEveryPassportOnceInOrder) {
    constexpr int kPassports = 1500;
    std::vector<std::string> heifers{"001", "002", "003"}, bulls;
    for (int id = 4; id <= kPassports; ++id) {
        // Numbers in another order than the records'.
        const std::string number = "N" + std::to_string(10000 + id * 7 % kPassports);
        const int group = id % 2 ? 3 : 5;
        addPassport(1, 1, id, number, [group] { PAS->IDPOL = group; });
        (group == 3 ? heifers : bulls).push_back(number);
    }
    std::sort(heifers.begin(), heifers.end());
    std::sort(bulls.begin(), bulls.end());
    std::vector<std::string> expected = heifers;
    expected.insert(expected.end(), bulls.begin(), bulls.end());

    PLAY(h->start("PrintQBE"));
    do PLAY(h->wait(1));
    while (h->current()->timer() != 0);
    const ui::PagesControl* preview = h->report();
    ASSERT_NE(preview, nullptr);
    const pages::Document& doc = *preview->document();
    ASSERT_GT(doc.pages.size(), 40u);
    EXPECT_EQ(h->value("?PageNumber"), "Страница 1 из " + std::to_string(doc.pages.size()));
    const std::vector<std::string> first = pages::textLines(doc.pages[0]);
    ASSERT_GT(first.size(), 3u);
    EXPECT_EQ(first[0], "Список животных (произвольный отчёт)");

    std::vector<std::string> listed;
    for (std::size_t n = 0; n < doc.pages.size(); ++n) {
        const std::vector<std::string> lines = pages::textLines(doc.pages[n]);
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.back().ends_with(" " + std::to_string(n + 1))) << lines.back();
        for (const std::string& line : lines) {
            const std::string word = line.substr(0, line.find(' '));
            if (word.starts_with("N1") || word.starts_with("00")) listed.push_back(word);
        }
        if (n + 1 == doc.pages.size()) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), "Всего с начала отчёта: " + std::to_string(kPassports)),
                      lines.end());
        }
    }
    EXPECT_EQ(listed, expected);
    PLAY(h->close());
    EXPECT_EQ(answered, response::Completed);
}

// Both ways a preview writes a PDF, on a full disk: what the user is told, and the files
// left in the folder (an older PDF of the same name stays as it was).
TEST_F(ReportRunTest, APdfOnAFullDiskIsNotWrittenAtAllAndTheUserIsTold) {
    const std::filesystem::path folder = dir / "pdf";
    const std::string saved = (folder / "list.pdf").string(), toFolder = (folder / "PrintQBE-1.pdf").string();
    const std::optional<std::string> result = vx::testing::withLimitedFolder(
        folder, vx::testing::FolderLimit::Full, [&] { std::ofstream(saved) << "old"; },
        [&] {
            setenv("VETRIX_REPORT_PDF_DIR", folder.string().c_str(), 1);
            const bool opened = h->start("PrintQBE") && h->wait(1) && h->report();
            unsetenv("VETRIX_REPORT_PDF_DIR");
            const bool pressed = opened && h->file(saved) && h->press("?SavePdf") && h->close();
            std::string out = pressed ? "" : "the preview did not open and close\n";
            for (const std::string& said : messages()) out += said + "\n";
            for (const auto& entry : std::filesystem::directory_iterator(folder))
                if (entry.path().filename() != "filler") out += entry.path().filename().string() + "\n";
            std::ifstream old(saved);
            return out + std::string(std::istreambuf_iterator<char>(old), {});
        });
    if (!result) GTEST_SKIP() << "no mount namespace here for a full disk";
    const std::string cause = ": No space left on device\n";
    EXPECT_EQ(*result, "Отчёт: Файл " + toFolder + " не удаётся записать" + cause + "Сохранить отчёт в PDF: \n" +
                           "Отчёт: Файл " + saved + " не удаётся записать" + cause + "list.pdf\nold");
}

}  // namespace
}  // namespace vx::reports::testing
