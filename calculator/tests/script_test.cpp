#include <gtest/gtest.h>

#include "tests/script_run.h"

namespace vx::calculator::testing {
namespace {

// From the frame's menu to the board, and a second copy from the toolbar, as a user plays them.
TEST(CalculatorScript, EntersCountRecordsAndShowsTheirBoard) {
    const auto run = vx::testing::runScript(VX_CALCULATOR_SCRIPTS "/calculator.vxs", "--today 10.06.2025");
    if (!run) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    ASSERT_EQ(run->status, 0) << run->transcript;
    const std::string board =
        "text ?TABLO \"[Диагностика] Туберкули... \r\n[01.01.2025--31.12.2025]\r\nЗаречное\r\nГолов, план: 50\r\n"
        "Головообработки, план: 50\r\nГолов, вып.: 40\r\nГоловообработок, вып.: 40\r\nГолов, вып. % 80\r\n"
        "Головобр., вып. % 80\" read-only";
    EXPECT_NE(run->transcript.find(board), std::string::npos) << run->transcript;
}

}  // namespace
}  // namespace vx::calculator::testing
