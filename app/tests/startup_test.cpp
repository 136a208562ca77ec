#include <gtest/gtest.h>

#include <cstdlib>

#include "app/program.h"
#include "context/globals.h"
#include "dictionary/dictionary.h"
#include "platform/runtime/threads.h"

namespace vx::app {
namespace {

TEST(Startup, ProgramLevelVariablesStartAsTheProgramExpects) {
    glo::IDHOZ = 5;
    glo::PUT1 = "/data/hoz.tps";
    glo::SORT = 0;
    glo::initialise();
    EXPECT_EQ(glo::SPIW.toInt(), 9);
    EXPECT_EQ(glo::ROW1.toInt(), 17);
    EXPECT_EQ(glo::KOLICH.toInt(), 1);
    EXPECT_EQ(glo::SORT, 1);
    EXPECT_EQ(glo::CHEKTIP, 0);
    EXPECT_EQ(glo::POLOSA, 0);
    EXPECT_EQ(glo::TASKBOL.str(), "Способы выделения животных");
    EXPECT_EQ(glo::SP_FIELD.str(), "По № животного");
    EXPECT_TRUE(glo::IDHOZ.isZero());
    EXPECT_TRUE(glo::PUT1.blank());
    EXPECT_EQ(glo::PUT1.padded().size(), 254u);
}

TEST(Startup, FrameRunsOnThreadOneWithItsManagersBuilt) {
    setenv("VETRIX_CONFIG_DIR", ::testing::TempDir().c_str(), 1);
    processAttach();
    rt::ThreadId frameThread = 0;
    bool managersReady = false;
    runProgram([&] {
        frameThread = rt::currentThread();
        managersReady = dct::dictionary().hasManagers();
    });
    processDetach();
    EXPECT_EQ(frameThread, 1u);
    EXPECT_TRUE(managersReady);
    EXPECT_EQ(FUZZYMATCHER.caseInsensitive(), true);
    EXPECT_EQ(FUZZYMATCHER.wholeWords(), false);
}

}  // namespace
}  // namespace vx::app
