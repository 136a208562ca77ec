#include "office/document_opener.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "office/tests/office_env.h"
#include "office/tests/office_fixture.h"
#include "platform/office/automation_control.h"

namespace vx::office {
namespace {

namespace fs = std::filesystem;

// The last control made is the one whose number names the record of what it showed.
long nextControlNumber() { return AutomationControl().number() + 1; }

TEST(DocumentOpener, OpensEachKindWithItsServer) {
    const fs::path dir = fs::temp_directory_path() / "vetrix-opener";
    fs::create_directories(dir);
    const fs::path rtf = dir / "акт осмотра.rtf";
    std::ofstream(rtf) << "{\\rtf1\\ansi Akt}";
    const FailureReporter previous =
        setFailureReporter([](std::string_view, std::string_view text) { ADD_FAILURE() << text; });

    long n = nextControlNumber();
    openDocument(rtf.string());
    EXPECT_TRUE(fs::exists(testing::shownFolder() / ("shown-" + std::to_string(n) + ".odt")));

    n = nextControlNumber();
    openDocument("/home/u/Мои документы/скан (1).pdf  ");
    EXPECT_EQ(testing::fileBytes(testing::shownFolder() / ("navigated-" + std::to_string(n) + ".txt")),
              "/home/u/Мои документы/скан (1).pdf");
    setFailureReporter(previous);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vx::office
