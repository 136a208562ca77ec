#include "office/document_opener.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "office/tests/office_fixture.h"
#include "office/tests/office_play.h"

namespace vx::office {
namespace {

namespace fs = std::filesystem;
using DocumentServers = testing::OfficePlay;

TEST_F(DocumentServers, WordAndSpreadsheetFilesOpenAsThemselvesAndComeIntoView) {
    const fs::path dir = scratchFolder("opener");
    const fs::path rtf = dir / "акт осмотра.rtf";
    std::ofstream(rtf) << "{\\rtf1\\ansi Akt}";
    const fs::path xls = dir / "план.xls";
    testing::makeTemplate(xls, "MS Excel 97");

    const long first = nextControl();
    ASSERT_TRUE(play([&] {
        openDocument(rtf.string());
        openDocument(xls.string() + "  ");
    }));
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(fs::exists(testing::shownDocument(first, "odt")));
    EXPECT_TRUE(fs::exists(testing::shownDocument(first + 1, "ods")));
    EXPECT_TRUE(testing::openAsItself(rtf));
    EXPECT_TRUE(testing::openAsItself(xls));
    fs::remove_all(dir);
}

// Closing the last document the office shows ends it instead of opening its start window.
TEST_F(DocumentServers, TheOfficeHasNoStartWindowToShowWhenTheUserClosesTheLastDocument) {
    EXPECT_FALSE(testing::startModuleInstalled());
}

TEST_F(DocumentServers, AnOfficeThatEndedWithTheUsersLastDocumentIsStartedAgainOnTheNextUse) {
    testing::endAsTheUserDoes();
    EXPECT_EQ(testing::openDocuments(), 0) << "a new office answers, holding none of the old one's documents";
}

}  // namespace
}  // namespace vx::office
