// Runs the end-to-end script against the real game program under its own Xvfb server.
#include "tests/e2e/run_script.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameEndToEnd, GameProgramShowsItsFrameMenusAndStatusBarAndExitsFromTheMenu) {
    const e2e::ScriptResult run = e2e::RunUnderXvfb("tests/frame/frame_e2e.sh");
    EXPECT_TRUE(run.passed) << run.output;
}

} // namespace
