// The register's headless scripts, each run by the program itself in a folder of
// its own; a script passes when every line holds, and its dumps show the records.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ScriptRun {
    int status = -1;
    std::string transcript;
};

ScriptRun runScript(const std::string& script, const std::string& today) {
    const char* binaries = std::getenv("VX_TEST_BINARY_DIR");
    const fs::path folder = fs::path(::testing::TempDir()) / ("register_script-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path output = folder / "output.txt";
    const std::string command = "VETRIX_CONFIG_DIR='" + folder.string() + "' '" +
                                (fs::path(binaries) / "vetrix").string() + "' --headless --script '" +
                                VX_REGISTER_SCRIPTS "/" + script + "' --dir '" + folder.string() + "' --today " +
                                today + " >'" + output.string() + "' 2>&1";
    const int raw = std::system(command.c_str());
    std::ostringstream text;
    text << std::ifstream(output).rdbuf();
    fs::remove_all(folder);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
}

TEST(RegisterScript, EntersBooksHoldingFarmAndPassportsAndKeepsTheirLinks) {
    if (!std::getenv("VX_TEST_BINARY_DIR")) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    const ScriptRun run = runScript("register.vxs", "10.06.2025");
    EXPECT_EQ(run.status, 0) << run.transcript;
    const std::vector<std::string> records = {
        // as entered, with the age the birth date gave on the fixed day
        "file PASPORT (./pasport.tps): 2 records\n"
        "PAS:ID=1 PAS:IDHOZ=7 PAS:IDFERMA=3 PAS:FIO=Иванов PAS:ADRES=ул. Садовая, 1",
        "PAS:IDANIM=A-1 PAS:KLICH= PAS:VIDANIM=1 PAS:IDPOL=1 PAS:DATAROG=80982 PAS:POL=0 "
        "PAS:VOZRASTG=2 PAS:VOZRASTM=8 PAS:VOZRASTD=23 PAS:OSNMOL=2",
        "PAS:ID=2 PAS:IDHOZ=7 PAS:IDFERMA=3 PAS:FIO=Петров",
        // after the holding's new number
        "HOZ:IDHOZ=8 HOZ:NAME=Заречное HOZ:SEKTOR=2",
        "FER:IDFERM=3 FER:IDHOZ=8 FER:NAME=Луговая",
        "PAS:ID=1 PAS:IDHOZ=8 PAS:IDFERMA=3",
        "PAS:ID=2 PAS:IDHOZ=8 PAS:IDFERMA=3",
    };
    for (const std::string& line : records)
        EXPECT_NE(run.transcript.find(line), std::string::npos) << line << "\n" << run.transcript;
    EXPECT_EQ(run.transcript.find("PAS:KLICH=Зорька"), std::string::npos) << "a cancelled change was stored";
}

}  // namespace
