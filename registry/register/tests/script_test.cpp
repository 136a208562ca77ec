// The register's headless scripts, each run by the program itself in a folder of
// its own; a script passes when every line holds, and its dumps show the records.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/script_run.h"

namespace {

TEST(RegisterScript, EntersBooksHoldingFarmAndPassportsKeepsTheirLinksAndLeavesWithTheQueryFormOpen) {
    const auto script = vx::testing::runScript(VX_REGISTER_SCRIPTS "/register.vxs", "--today 10.06.2025");
    if (!script) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    const vx::testing::ProgramRun& run = *script;
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
