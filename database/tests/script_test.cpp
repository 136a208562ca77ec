#include <gtest/gtest.h>

#include <string>

#include "tests/script_run.h"

namespace {

TEST(DatabaseScript, ChoosesTheSecondDatabaseWithAClick) {
    const auto run = vx::testing::runScript(VX_DATABASE_SCRIPTS "/choose_database.vxs");
    if (!run) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    EXPECT_EQ(run->status, 0) << run->transcript;
    EXPECT_NE(run->transcript.find("expect global PUT1 \"/bases/two/hoz.tps\" -> ok"), std::string::npos)
        << run->transcript;
}

}  // namespace
