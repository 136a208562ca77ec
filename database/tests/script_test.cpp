#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

TEST(DatabaseScript, ChoosesTheSecondDatabaseWithAClick) {
    const char* binaries = std::getenv("VX_TEST_BINARY_DIR");
    if (!binaries) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    const fs::path folder = fs::path(::testing::TempDir()) / ("database_script-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path output = folder / "output.txt";
    const std::string command = "VETRIX_CONFIG_DIR='" + folder.string() + "' '" +
                                (fs::path(binaries) / "vetrix").string() + "' --headless --script '" +
                                VX_DATABASE_SCRIPTS "/choose_database.vxs' --dir '" + folder.string() + "' >'" +
                                output.string() + "' 2>&1";
    const int raw = std::system(command.c_str());
    std::ostringstream text;
    text << std::ifstream(output).rdbuf();
    fs::remove_all(folder);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0) << text.str();
    EXPECT_NE(text.str().find("expect global PUT1 \"/bases/two/hoz.tps\" -> ok"), std::string::npos) << text.str();
}

}  // namespace
