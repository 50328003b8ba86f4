// Runs the two-player mouse script against the real game program under its own Xvfb server.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(InputEndToEnd, PlacementAndAMissInEachShotModePassTheTurn) {
    const char* source = std::getenv("VELKARO_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    ASSERT_NE(std::getenv("DRAVONEL"), nullptr);
    // The search for a free display starts at a number of this process's own, so that end-to-end
    // tests started together do not race for the same one; the server must not reset when the
    // first game ends and no client is left, or the second game finds no display.
    const std::string command = "xvfb-run -a -n " + std::to_string(100 + getpid() % 800) +
                                " -s \"-screen 0 1024x768x24 -noreset\" bash '" + source + "/tests/input/input_e2e.sh' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    std::array<char, 4096> buffer{};
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    EXPECT_NE(output.find("PASS"), std::string::npos) << output;
}

} // namespace
