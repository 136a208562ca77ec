#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Finished {
    int status = -1;
    std::string out;
};

class VetrixBinary : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("VX_TEST_BINARY_DIR");
        if (!dir) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
        binary_ = fs::path(dir) / "vetrix";
        folder_ = fs::path(::testing::TempDir()) / ("script_binary-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }

    Finished run(const std::string& script, const std::string& options = "--today 08.12.2026") {
        const fs::path file = folder_ / "session.vxs";
        std::ofstream(file, std::ios::binary) << script;
        return runWith("--headless --script '" + file.string() + "' --dir '" + folder_.string() + "' " + options);
    }

    Finished runWith(const std::string& arguments) {
        const fs::path output = folder_ / "output.txt";
        const std::string command = "VETRIX_CONFIG_DIR='" + folder_.string() + "' '" + binary_.string() + "' " +
                                    arguments + " >'" + output.string() + "' 2>&1";
        const int raw = std::system(command.c_str());
        std::ostringstream text;
        text << std::ifstream(output).rdbuf();
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
    }

    void TearDown() override { fs::remove_all(folder_); }

    fs::path binary_, folder_;
};

TEST_F(VetrixBinary, ExitStatusTellsPassedFailedAndUnreadable) {
    const Finished passed = run("expect global SORT \"1\"\nexpect no-message\ndump file ANIMVID\n");
    EXPECT_EQ(passed.status, 0) << passed.out;
    EXPECT_NE(passed.out.find("1: expect global SORT \"1\" -> ok"), std::string::npos) << passed.out;
    EXPECT_NE(passed.out.find("file ANIMVID"), std::string::npos) << passed.out;
    EXPECT_FALSE(fs::exists(folder_ / "ANIMVID.TPS")) << "a dump must not create the file";

    const Finished failed = run("expect global SORT \"1\"\nexpect global SORT \"0\"\n");
    EXPECT_EQ(failed.status, 1) << failed.out;
    EXPECT_NE(failed.out.find("FAILED at line 2: expect global SORT \"0\": SORT holds \"1\", not \"0\""),
              std::string::npos)
        << failed.out;

    const Finished unknown = run("expect no-message\n\nfrobnicate\n");
    EXPECT_EQ(unknown.status, 2) << unknown.out;
    EXPECT_NE(unknown.out.find(":3: unknown command frobnicate"), std::string::npos) << unknown.out;

    const Finished missing = runWith("--headless --script '" + (folder_ / "none.vxs").string() + "'");
    EXPECT_EQ(missing.status, 2) << missing.out;
    EXPECT_NE(missing.out.find("cannot read"), std::string::npos) << missing.out;

    EXPECT_EQ(run("expect no-message\n", "--today 31.02.2026").status, 2);
}

}  // namespace
