// The group-execution session, run by the program itself in a folder of its
// own; it passes when every line holds, and its dump shows the records.

#include <gtest/gtest.h>

#include <string>

#include "tests/script_run.h"

namespace {

TEST(GroupExecutionScript, TheJournalsToolWritesTheMarkedRecordOnly) {
    const auto script = vx::testing::runScript(VX_GROUP_SCRIPTS "/group_execution.vxs", "--today 10.06.2025");
    if (!script) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    const vx::testing::ProgramRun& run = *script;
    EXPECT_EQ(run.status, 0) << run.transcript;
    for (const std::string line : {"VPO:ID=1 VPO:CHEK=1", "VPO:GLPLAN=1 VPO:GLVUP=1 VPO:GOPLAN=1 VPO:GOVUP=1",
                                   "VPO:NOPIS=12", "VPO:AKTNOMER=7", "VPO:ID=2 VPO:CHEK=0"})
        EXPECT_NE(run.transcript.find(line), std::string::npos) << line << "\n" << run.transcript;
}

}  // namespace
