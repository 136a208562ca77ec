#include <gtest/gtest.h>

#include "platform/core/dates.h"
#include "tests/script_run.h"

namespace vx::planning::cards::testing {
namespace {

TEST(CardsScript, PlansTheCattleCardForTheMarkedCattleTwice) {
    const auto run = vx::testing::runScript(VX_CARDS_SCRIPTS "/card_plan.vxs", "--today 10.06.2025");
    if (!run) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    ASSERT_EQ(run->status, 0) << run->transcript;
    const std::string& t = run->transcript;
    const std::size_t at = t.rfind("file VDI (./vdi.tps): 4 records\n");
    ASSERT_NE(at, std::string::npos) << t;
    // A's two lines, twice: 20.0 on the birthday plus 10 days, 21.1 on its fixed date.
    const int32_t byDays = makeDate(3, 25, 2025), fixed = makeDate(6, 1, 2025);
    std::size_t from = at;
    for (const int32_t day : {byDays, fixed, byDays, fixed}) {
        const std::string date = "VDI:DATATASK=" + std::to_string(day) + " ";
        from = t.find("\n", from) + 1;
        const std::string record = t.substr(from, t.find('\n', from) - from);
        EXPECT_NE(record.find("VDI:ID=1 "), std::string::npos) << record;
        EXPECT_NE(record.find(date), std::string::npos) << record;
    }
}

}  // namespace
}  // namespace vx::planning::cards::testing
