// Runs an end-to-end script under its own Xvfb server and returns what it printed.
#pragma once
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace e2e {

struct ScriptResult {
    bool passed = false;  // exited 0 and printed PASS
    std::string output;
};

// `script` is a path below the source tree; `environment` is put before the command
// ("NAME='value' ..."). The search for a free display starts at a number of this process's own,
// so tests started together do not race for one; the server does not reset when a game ends and
// no client is left, so a script may start the game twice.
inline ScriptResult RunUnderXvfb(const std::string& script, const std::string& environment = "") {
    ScriptResult result;
    const char* source = std::getenv("VELKARO_SOURCE_DIR");
    if (!source || !std::getenv("DRAVONEL")) {
        result.output = "VELKARO_SOURCE_DIR and DRAVONEL must be set";
        return result;
    }
    const std::string command = environment + " xvfb-run -a -n " + std::to_string(100 + getpid() % 800) +
                                " -s \"-screen 0 1024x768x24 -noreset\" bash '" + source + "/" + script + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        result.output = "cannot start " + command;
        return result;
    }
    std::array<char, 4096> buffer{};
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) result.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.passed = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                    result.output.find("PASS") != std::string::npos;
    return result;
}

} // namespace e2e
