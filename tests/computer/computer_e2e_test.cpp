// Runs the game-against-the-computer script against the real program under its own Xvfb server.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace {

TEST(ComputerEndToEnd, APlayersMissIsAnsweredByTheComputersShotAndItsMissReturnsTheTurn) {
    const char* source = std::getenv("VELKARO_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    ASSERT_NE(std::getenv("DRAVONEL"), nullptr);
    ASSERT_NE(std::getenv("DRAVONEL_LAB"), nullptr);
    const std::string command = std::string("xvfb-run -a -s \"-screen 0 1024x768x24\" bash '") + source +
                                "/tests/computer/computer_e2e.sh' 2>&1";
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
