// velkaro_soundgen OUTDIR TUNEDIR: writes the ten wave effects and the tunes of TUNEDIR/*.tune
// (each as NAME.mid) into OUTDIR.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "arranger.h"
#include "effects.h"
#include "smf_writer.h"
#include "tune.h"
#include "wav_writer.h"

namespace fs = std::filesystem;

namespace {

bool MakeTune(const fs::path& source, const fs::path& target)
{
    std::ifstream in(source);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    soundgen::Tune tune;
    std::string error;
    if (!in || !soundgen::ParseTune(text, tune, error)) {
        std::fprintf(stderr, "%s: %s\n", source.c_str(), in ? error.c_str() : "cannot read");
        return false;
    }
    // A misspelt style would silently drop a part.
    for (const auto& part : tune.parts)
        if (!part.style.empty() && !soundgen::KnownStyle(part.style)) {
            std::fprintf(stderr, "%s: part %s has unknown style %s\n", source.c_str(), part.name.c_str(),
                         part.style.c_str());
            return false;
        }
    for (const auto& [name, section] : tune.sections)
        for (const auto& [part, style] : section.styles)
            if (!soundgen::KnownStyle(style)) {
                std::fprintf(stderr, "%s: section %s: unknown style %s\n", source.c_str(), name.c_str(), style.c_str());
                return false;
            }
    const soundgen::Performance perf = soundgen::Arrange(tune);
    if (!soundgen::WriteSmf(target.string(), perf, source.stem().string())) {
        std::fprintf(stderr, "cannot write %s\n", target.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velkaro_soundgen OUTDIR TUNEDIR\n");
        return 2;
    }
    const fs::path outDir = argv[1], tuneDir = argv[2];
    std::error_code ec;
    fs::create_directories(outDir, ec);
    bool ok = true;
    for (const soundgen::Effect& e : soundgen::Effects())
        if (!soundgen::WriteWave((outDir / e.fileName).string(), e.make())) {
            std::fprintf(stderr, "cannot write %s\n", e.fileName);
            ok = false;
        }
    std::set<fs::path> tunes;
    for (const auto& entry : fs::directory_iterator(tuneDir, ec))
        if (entry.path().extension() == ".tune")
            tunes.insert(entry.path());
    for (const fs::path& t : tunes)
        ok = MakeTune(t, outDir / (t.stem().string() + ".mid")) && ok;
    return ok ? 0 : 1;
}
