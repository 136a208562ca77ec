// The journals' headless session, run by the program itself in a folder of its
// own; it passes when every line holds, and its dumps show the records.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/script_run.h"

namespace {

TEST(JournalScript, PlansFromTheRegisterAndExecutesInBothJournals) {
    const auto script = vx::testing::runScript(VX_JOURNAL_SCRIPTS "/journals.vxs", "--today 10.06.2025");
    if (!script) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    const vx::testing::ProgramRun& run = *script;
    EXPECT_EQ(run.status, 0) << run.transcript;
    const std::vector<std::string> records = {
        "VPO:ID=1 VPO:CHEK=0 VPO:IDHOZ=7 VPO:IDFERMA=3 VPO:IDANIM=A VPO:VIDANIM=1 VPO:IDPOL=0 VPO:IDTASK=5 "
        "VPO:GLPLAN=1 VPO:GLVUP=1 VPO:GOPLAN=1 VPO:GOVUP=1",
        "VDI:NEKSP=3 VDI:DEKSP=",
        "Контроль выполнения ветеринарно-профилактических мероприятий",
    };
    for (const std::string& line : records)
        EXPECT_NE(run.transcript.find(line), std::string::npos) << line << "\n" << run.transcript;
}

}  // namespace
