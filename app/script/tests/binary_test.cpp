#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/script_run.h"

namespace {

namespace fs = std::filesystem;
using vx::testing::ProgramRun;

class VetrixBinary : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("VX_TEST_BINARY_DIR")) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
        folder_ = fs::path(::testing::TempDir()) / ("script_binary-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }

    ProgramRun run(const std::string& script, const std::string& options = "--today 08.12.2026") {
        const fs::path file = folder_ / "session.vxs";
        std::ofstream(file, std::ios::binary) << script;
        return *vx::testing::runScriptIn(file, folder_, options);
    }

    ProgramRun runWith(const std::string& arguments) { return *vx::testing::runProgram(arguments, folder_); }

    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(VetrixBinary, ExitStatusTellsPassedFailedAndUnreadable) {
    const ProgramRun passed = run("expect global SORT \"1\"\nexpect no-message\n");
    EXPECT_EQ(passed.status, 0) << passed.transcript;
    EXPECT_NE(passed.transcript.find("1: expect global SORT \"1\" -> ok"), std::string::npos) << passed.transcript;

    const ProgramRun notOnDisk = run("dump file ANIMVID\n");
    EXPECT_EQ(notOnDisk.status, 1) << notOnDisk.transcript;
    EXPECT_NE(notOnDisk.transcript.find("FAILED at line 1: dump file ANIMVID: file ANIMVID ("), std::string::npos)
        << notOnDisk.transcript;
    EXPECT_FALSE(fs::exists(folder_ / "ANIMVID.TPS")) << "a dump must not create the file";

    const ProgramRun failed = run("expect global SORT \"1\"\nexpect global SORT \"0\"\n");
    EXPECT_EQ(failed.status, 1) << failed.transcript;
    EXPECT_NE(failed.transcript.find("FAILED at line 2: expect global SORT \"0\": SORT holds \"1\", not \"0\""),
              std::string::npos)
        << failed.transcript;

    const ProgramRun unknown = run("expect no-message\n\nfrobnicate\n");
    EXPECT_EQ(unknown.status, 2) << unknown.transcript;
    EXPECT_NE(unknown.transcript.find(":3: unknown command frobnicate"), std::string::npos) << unknown.transcript;

    const struct {
        fs::path script;
        std::string reason;
    } unreadable[] = {
        {folder_ / "none.vxs", "No such file or directory"},
        {folder_, "it is a folder"},
    };
    for (const auto& u : unreadable) {
        const ProgramRun r = runWith("--headless --script '" + u.script.string() + "'");
        EXPECT_EQ(r.status, 2) << r.transcript;
        EXPECT_NE(r.transcript.find("cannot read the script " + u.script.string() + ": " + u.reason), std::string::npos)
            << r.transcript;
    }

    EXPECT_EQ(run("expect no-message\n", "--today 31.02.2026").status, 2);

    std::ofstream(folder_ / "ANIMVID.TPS", std::ios::binary) << "not a record file";
    // A fatal end leaves its windows' fibers unwound on purpose: a sanitizer build checks no leaks there.
    ::setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    const ProgramRun broken = run("start Browseanimvid\n");
    ::unsetenv("ASAN_OPTIONS");
    EXPECT_EQ(broken.status, 3) << broken.transcript;
    EXPECT_NE(broken.transcript.find("File animvid could not be opened.  Error: file is not a database."),
              std::string::npos)
        << "a fatal error says why before the program ends: " << broken.transcript;
}

}  // namespace
