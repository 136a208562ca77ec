#include "reports/tests/reports_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "database/database_choice.h"
#include "dictionary/files_in_use.h"
#include "platform/core/dates.h"
#include "platform/pages/page_text.h"
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

int ReportsTest::print(std::string_view procedure, std::string* pages) {
    answered = -1;
    EXPECT_TRUE(h->start(procedure));
    EXPECT_TRUE(h->wait(1));
    const ui::PagesControl* preview = h->report();
    if (pages) *pages = preview && preview->document() ? vx::pages::documentText(*preview->document()) : "";
    if (preview) keepPicture(*preview->document(), std::string(procedure));
    if (preview) {
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
