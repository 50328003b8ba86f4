// Runs the game-against-the-computer script against the real program under its own Xvfb server.
#include "tests/e2e/run_script.h"

#include <gtest/gtest.h>

namespace {

TEST(ComputerEndToEnd, APlayersMissIsAnsweredByTheComputersShotAndItsMissReturnsTheTurn) {
    ASSERT_NE(std::getenv("DRAVONEL_LAB"), nullptr);
    const e2e::ScriptResult run = e2e::RunUnderXvfb("tests/computer/computer_e2e.sh");
    EXPECT_TRUE(run.passed) << run.output;
}

} // namespace
