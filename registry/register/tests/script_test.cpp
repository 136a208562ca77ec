#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

TEST(RegisterScript, EntersAHoldingFarmAndPassportsAndKeepsTheirLinks) {
    const char* binaries = std::getenv("VX_TEST_BINARY_DIR");
    if (!binaries) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    const fs::path folder = fs::path(::testing::TempDir()) / ("register_script-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path output = folder / "output.txt";
    const std::string command = "VETRIX_CONFIG_DIR='" + folder.string() + "' '" +
                                (fs::path(binaries) / "vetrix").string() + "' --headless --script '" +
                                VX_REGISTER_SCRIPTS "/register.vxs' --dir '" + folder.string() + "' >'" +
                                output.string() + "' 2>&1";
    const int raw = std::system(command.c_str());
    std::ostringstream text;
    text << std::ifstream(output).rdbuf();
    fs::remove_all(folder);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 0) << text.str();
    for (const char* line : {
             "file PASPORT (./pasport.tps): 2 records\nPAS:ID=1 PAS:IDHOZ=7 PAS:IDFERMA=3 PAS:FIO=Иванов",
             "PAS:ID=2 PAS:IDHOZ=7 PAS:IDFERMA=3 PAS:FIO=Петров",
             "FER:IDFERM=3 FER:IDHOZ=8 FER:NAME=Луговая",
             "PAS:ID=1 PAS:IDHOZ=8 PAS:IDFERMA=3",
             "PAS:ID=2 PAS:IDHOZ=8 PAS:IDFERMA=3",
         })
        EXPECT_NE(text.str().find(line), std::string::npos) << line << "\n" << text.str();
}

}  // namespace
