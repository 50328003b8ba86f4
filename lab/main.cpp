// dravonel-lab: runs one shot from a JSON document and prints the outcome as JSON.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "lab/shot_document.h"
#include "lab/shot_output.h"
#include "lab/self_play.h"
#include "lab/shot_run.h"

namespace {

constexpr int kBadInput = 2;

int BadInput(const std::string& line) {
    std::cerr << "dravonel-lab: " << line << '\n';
    return kBadInput;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]).rfind("--", 0) == 0) {
        // Self-play: whole games, one line each; exit 1 when a check broke.
        lab::SelfPlayOptions options;
        std::string error;
        if (!lab::ReadSelfPlayArguments(std::vector<std::string>(argv + 1, argv + argc), options, error))
            return BadInput(error);
        const int result = lab::RunSelfPlay(options, std::cout);
        std::cout.flush();
        return result != 0 ? result : (std::cout ? 0 : 1);
    }
    if (argc > 2) return BadInput("usage: dravonel-lab [FILE] | --selfplay N [--seed S] [--client W,H --frame FW,FH]");
    const std::string file = argc == 2 ? argv[1] : "-";
    std::string text;
    if (file == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in) return BadInput(file + ": cannot be read");
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    const nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded()) return BadInput("document: not valid JSON");
    lab::ShotDocument doc;
    std::string error;
    if (!lab::ReadShotDocument(json, doc, error)) return BadInput(error);

    const std::string out = lab::WriteShotResult(lab::RunShot(doc));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
