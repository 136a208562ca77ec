#include <gtest/gtest.h>

#include "planning/stage.h"

namespace vx::planning {
namespace {

TEST(StageDigit, TheTenthsDigitOfTheIdGivesTheStage) {
    const struct {
        int tenths;
        Stage stage;
    } cases[] = {{150, Stage::Single}, {151, Stage::First}, {152, Stage::Second},  {153, Stage::None},
                 {159, Stage::None},   {0, Stage::Single},  {12342, Stage::Second}};
    for (const auto& c : cases) EXPECT_EQ(stageOf(Decimal::fromMantissa(c.tenths, 1)), c.stage) << c.tenths;
    EXPECT_TRUE(isTwoStage(Stage::First));
    EXPECT_TRUE(isTwoStage(Stage::Second));
    EXPECT_FALSE(isTwoStage(Stage::Single));
    EXPECT_FALSE(isTwoStage(Stage::None));
}

}  // namespace
}  // namespace vx::planning
