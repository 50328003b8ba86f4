// Runs the two-player mouse script against the real game program under its own Xvfb server.
#include "tests/e2e/run_script.h"

#include <gtest/gtest.h>

namespace {

TEST(InputEndToEnd, PlacementAndAMissInEachShotModePassTheTurn) {
    const e2e::ScriptResult run = e2e::RunUnderXvfb("tests/input/input_e2e.sh");
    EXPECT_TRUE(run.passed) << run.output;
}

} // namespace
