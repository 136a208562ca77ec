#include "reports/tests/reports_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "database/database_choice.h"
#include "dictionary/files_in_use.h"
#include "platform/core/dates.h"
#include "platform/pages/page_text.h"
#include "platform/pages/text_width.h"
#include "platform/qt/page_painter.h"
#include "platform/runtime/thread_state.h"
#include "reports/report_windows.h"

namespace vx::reports::testing {

using namespace dct;

void ReportsTest::SetUp() {
    RecordsTest::SetUp();
    fixToday(makeDate(6, 10, 2025));
    database::chooseDatabaseFolder(dir.string() + "/");
    const std::pair<const char*, void (*)()> reports[] = {{"PrintQBE", PrintQBE}, {"PrintQBE1", PrintQBE1},
                                                          {"vpoPrint", vpoPrint}, {"vdiPrint", vdiPrint},
                                                          {"vpoPasport", vpoPasport}, {"vdiPasport", vdiPasport}};
    for (const auto& [name, procedure] : reports)
        h->addProcedure(name, [this, procedure] {
            procedure();
            answered = *rt::GLOBALRESPONSE;
        });
}

Lines overrunTexts(const vx::pages::Page& page) {
    const auto left = [](const vx::pages::Text& t) {
        return t.align == vx::pages::Align::Right ? t.x - vx::pages::textWidth(t.text, t.font) : t.x;
    };
    Lines overruns;
    for (const vx::pages::Text& a : page.texts)
        for (const vx::pages::Text& b : page.texts) {
            const double overlap = std::min(a.y + vx::pages::lineHeight(a.font), b.y + vx::pages::lineHeight(b.font)) -
                                   std::max(a.y, b.y);
            if (&a != &b && overlap > 0.1 && left(a) < left(b) &&
                left(a) + vx::pages::textWidth(a.text, a.font) > left(b) + 0.01)
                overruns.push_back(a.text + "|" + b.text);
        }
    return overruns;
}

int ReportsTest::print(std::string_view procedure, std::string* pages) {
    answered = -1;
    printed.reset();
    EXPECT_TRUE(h->start(procedure));
    EXPECT_TRUE(h->wait(1));
    const ui::PagesControl* preview = h->report();
    if (preview) printed = preview->document();
    if (pages) *pages = printed ? vx::pages::documentText(*printed) : "";
    if (printed) {
        for (const vx::pages::Page& page : printed->pages) EXPECT_EQ(overrunTexts(page), Lines{}) << procedure;
        keepPicture(*printed, std::string(procedure));
        EXPECT_TRUE(h->close());
    }
    return answered;
}

// Page 1 as it is drawn, in screens/ beside the other windows' pictures (the last print of each report).
void ReportsTest::keepPicture(const vx::pages::Document& doc, const std::string& name) {
    const char* binary = std::getenv("VX_TEST_BINARY_DIR");
    if (!binary || doc.pages.empty()) return;
    const std::filesystem::path screens = std::filesystem::path(binary) / "screens";
    std::filesystem::create_directories(screens);
    qt::pageImage(doc, 0, 4).save(QString::fromStdString((screens / ("report_" + name + ".png")).string()));
}

int ReportsTest::printCard(bool diagnostic, int id, std::string* pages) {
    h->addProcedure(diagnostic ? "vdiPasport" : "vpoPasport", [this, diagnostic, id] {
        const FilesInUse files({Access::PASPORT});
        PAS->ID = id;
        Access::PASPORT->fetch(PAS_K8.index);
        diagnostic ? vdiPasport() : vpoPasport();
        answered = *rt::GLOBALRESPONSE;
    });
    return print(diagnostic ? "vdiPasport" : "vpoPasport", pages);
}

void ReportsTest::addExampleBooks() {
    addHolding(1, "Заря");
    addFarm(1, 1, "Ферма №1");
    addSpecies(1, "Корова");
    addGroup(3, 1, "Телки");
    addGroup(5, 1, "Бычки");
}

}  // namespace vx::reports::testing
