// The program binary as it is started: headless with a script (the frame opens
// first, as for a user), and without a display.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class VetrixStart : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("VX_TEST_BINARY_DIR");
        if (!dir) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
        binary_ = fs::path(dir) / "vetrix";
        folder_ = fs::path(::testing::TempDir()) / ("vetrix_start-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Exit status and everything the program wrote.
    std::pair<int, std::string> run(const std::string& environment, const std::string& arguments) {
        const fs::path output = folder_ / "output.txt";
        const std::string command = environment + " VETRIX_CONFIG_DIR='" + folder_.string() + "' '" +
                                    binary_.string() + "' " + arguments + " >'" + output.string() + "' 2>&1";
        const int raw = std::system(command.c_str());
        std::ostringstream text;
        text << std::ifstream(output).rdbuf();
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
    }

    fs::path binary_, folder_;
};

TEST_F(VetrixStart, ScriptFindsTheFrameOpenWithItsClockAndTheDatabaseChoice) {
    const fs::path script = folder_ / "frame.vxs";
    std::ofstream(script) << "expect window BrowseBD\n"
                             "window Main\n"
                             "expect status 2 \"Tuesday, 08.12.2026\"\n"
                             "expect status 3 \"09:00:00\"\n"
                             "wait 1s\n"
                             "expect status 3 \"09:00:01\"\n";
    const auto [status, out] = run("", "--headless --script '" + script.string() + "' --dir '" + folder_.string() +
                                           "' --today 08.12.2026");
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("passed: 6 commands"), std::string::npos) << out;
}

TEST_F(VetrixStart, WithoutADisplayItSaysHowToRunItAndEnds) {
    const auto [status, out] = run("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM", "");
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("xvfb-run"), std::string::npos) << out;
}

}  // namespace
