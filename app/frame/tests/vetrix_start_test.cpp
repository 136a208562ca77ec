// The program binary as it is started: headless with a script (the frame opens
// first, as for a user), and without a display.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/script_run.h"

namespace {

namespace fs = std::filesystem;

class VetrixStart : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("VX_TEST_BINARY_DIR")) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
        folder_ = fs::path(::testing::TempDir()) / ("vetrix_start-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(VetrixStart, ScriptFindsTheFrameOpenWithItsClockAndTheDatabaseChoice) {
    const fs::path script = folder_ / "frame.vxs";
    std::ofstream(script) << "expect window BrowseBD\n"
                             "window Main\n"
                             "expect status 2 \"Tuesday, 08.12.2026\"\n"
                             "expect status 3 \"09:00:00\"\n"
                             "wait 1s\n"
                             "expect status 3 \"09:00:01\"\n";
    const auto [status, out] = *vx::testing::runScriptIn(script, folder_, "--today 08.12.2026");
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("passed: 6 commands"), std::string::npos) << out;
}

TEST_F(VetrixStart, WithoutADisplayItSaysHowToRunItAndEnds) {
    const auto [status, out] =
        *vx::testing::runProgram("", folder_, "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("xvfb-run"), std::string::npos) << out;
}

}  // namespace
