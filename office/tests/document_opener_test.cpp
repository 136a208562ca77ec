#include "office/document_opener.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "office/tests/office_play.h"

namespace vx::office {
namespace {

namespace fs = std::filesystem;
using testing::OfficePlay;

TEST(DocumentOpener, ChoosesTheServerByTheLastThreeCharactersExactly) {
    const struct {
        const char* path;
        DocumentServer server;
    } cases[] = {
        {"/d/akt.doc", DocumentServer::WordProcessor}, {"/d/akt.rtf   ", DocumentServer::WordProcessor},
        {"/d/plan.xls", DocumentServer::Spreadsheet},  {"/d/AKT.DOC", DocumentServer::Browser},
        {"/d/plan.xlsx", DocumentServer::Browser},     {"/d/akt.docx", DocumentServer::Browser},
        {"/d/scan.pdf", DocumentServer::Browser},      {"xl", DocumentServer::Browser},
        {"doc", DocumentServer::WordProcessor},
    };
    for (const auto& c : cases) EXPECT_EQ(serverForDocument(c.path), c.server) << c.path;
}

using DocumentOpenerShows = OfficePlay;

TEST_F(DocumentOpenerShows, AnEmptyPathGivesTheMessageAndNothingElse) {
    const long control = nextControl();
    ASSERT_TRUE(play([] { openDocument("    "); }));
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"Результат обработки!: Запись не содержит прикрепленного документа."}));
    EXPECT_EQ(nextControl(), control + 1) << "no control was made";
}

TEST_F(DocumentOpenerShows, OtherFilesGoToTheBrowserUnquotedAndAMissingOneIsReported) {
    const fs::path dir = scratchFolder("opener");
    const fs::path scan = dir / "Мои документы (1) скан.pdf";
    std::ofstream(scan) << "%PDF-1.4";

    long control = nextControl();
    ASSERT_TRUE(play([&] { openDocument(scan.string() + "   "); }));
    EXPECT_EQ(testing::fileBytes(testing::shownFolder() / ("navigated-" + std::to_string(control) + ".txt")),
              scan.string());
    EXPECT_TRUE(messages().empty());

    const std::string missing = (dir / "акт.DOC").string();
    ASSERT_TRUE(play([&] { openDocument(missing); }));
    EXPECT_EQ(messages(), (std::vector<std::string>{"Ошибка автоматизации: Файл: " + missing +
                                                    "|Причина: файл не найден|Команда: Navigate(" + missing + ")"}));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vx::office
