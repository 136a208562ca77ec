#include <gtest/gtest.h>

#include "platform/core/dates.h"
#include "tests/script_run.h"

namespace vx::planning::schemes::testing {
namespace {

// One planned record as `dump file` shows it, from its first field to its planned counts and date.
std::string planned(const char* file, int passport, const char* inventory, int heads, int treatments, int32_t date) {
    const std::string p = std::string(file) + ":";
    return p + "ID=" + std::to_string(passport) + " " + p + "CHEK=0 " + p + "IDHOZ=7 " + p + "IDFERMA=3 " + p +
           "IDANIM=" + inventory + " " + p + "VIDANIM=1 " + p + "IDPOL=0 " + p + "IDTASK=15 " + p +
           "GLPLAN=" + std::to_string(heads) + " " + p + "GLVUP=0 " + p + "GOPLAN=" + std::to_string(treatments) + " " +
           p + "GOVUP=0 " + p + "DATATASK=" + std::to_string(date) + " ";
}

TEST(SchemesScript, PlansTheMarkedCattleFromBothSchemeListsTwice) {
    const auto run = vx::testing::runScript(VX_SCHEMES_SCRIPTS "/plan_for_marked.vxs", "--today 10.06.2025");
    if (!run) GTEST_SKIP() << "VX_TEST_BINARY_DIR is not set (run through ctest)";
    ASSERT_EQ(run->status, 0) << run->transcript;
    const std::string& t = run->transcript;
    for (const char* file : {"VPO", "VDI"}) {
        const std::string a = planned(file, 1, "A", 1, 1, makeDate(4, 14, 2025));
        const std::string b = planned(file, 2, "B", 1, 2, makeDate(8, 24, 2025));
        const std::string dump =
            "file " + std::string(file) + " (./" + (file[1] == 'P' ? "vpo" : "vdi") + ".tps): 4 records\n";
        const std::size_t at = t.rfind(dump);
        ASSERT_NE(at, std::string::npos) << file << "\n" << t;
        std::size_t from = at + dump.size();
        for (const std::string& record : {a, b, a, b}) {
            EXPECT_EQ(t.compare(from, record.size(), record), 0) << record << "\n" << t.substr(from, 400);
            from = t.find('\n', from) + 1;
        }
    }
}

}  // namespace
}  // namespace vx::planning::schemes::testing
