#include <gtest/gtest.h>

#include "tests/script_run.h"

namespace vx::exchange::testing {
namespace {

TEST(ExchangeScript, KeepsATemplateFromTheMenuAndOpensTheExchangeWindowsFromTheToolbar) {
    const auto run = vx::testing::runScript(VX_EXCHANGE_SCRIPTS "/catalogue.vxs", "--today 10.06.2025");
    if (!run) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    EXPECT_EQ(run->status, 0) << run->transcript;
}

}  // namespace
}  // namespace vx::exchange::testing
