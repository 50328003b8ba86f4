// The generated effects and tunes as the game finds them in the distribution directory, and the
// tune notation's guards.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>

#include "platform/audio/fluid_sequencer.h"
#include "platform/audio/wave_file.h"
#include "smf_writer.h"
#include "tune.h"

namespace soundtest {
namespace {

std::string Dist(const std::string& name)
{
    const char* dir = std::getenv("VELKARO_DIST_DIR");
    return std::string(dir ? dir : ".") + "/" + name;
}

// Playing time of a Standard MIDI File from its tempo map and its last event.
double MidiSeconds(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto u16 = [&](size_t p) { return (uint8_t(d[p]) << 8) | uint8_t(d[p + 1]); };
    auto u32 = [&](size_t p) { return (u16(p) << 16) | u16(p + 2); };
    if (d.size() < 14 || d.compare(0, 4, "MThd") != 0)
        return -1;
    const int tracks = u16(10), division = u16(12);
    std::map<long, double> tempo{{0, 500000}};
    long endTick = 0;
    size_t p = 14;
    for (int t = 0; t < tracks && p + 8 <= d.size(); ++t) {
        const size_t end = p + 8 + u32(p + 4);
        size_t q = p + 8;
        long tick = 0;
        uint8_t running = 0;
        auto var = [&] {
            long v = 0;
            uint8_t b;
            do {
                b = uint8_t(d[q++]);
                v = (v << 7) | (b & 0x7F);
            } while (b & 0x80);
            return v;
        };
        while (q < end) {
            tick += var();
            uint8_t status = uint8_t(d[q]);
            if (status == 0xFF) {
                const uint8_t type = uint8_t(d[q + 1]);
                q += 2;
                const long len = var();
                if (type == 0x51)
                    tempo[tick] = (uint8_t(d[q]) << 16) | (uint8_t(d[q + 1]) << 8) | uint8_t(d[q + 2]);
                q += len;
                continue;
            }
            if (status & 0x80) {
                running = status;
                ++q;
            }
            q += ((running & 0xF0) == 0xC0 || (running & 0xF0) == 0xD0) ? 1 : 2;
        }
        endTick = std::max(endTick, tick);
        p = end;
    }
    double seconds = 0;
    for (auto it = tempo.begin(); it != tempo.end() && it->first < endTick; ++it) {
        const long until = std::next(it) == tempo.end() ? endTick : std::min(endTick, std::next(it)->first);
        seconds += (until - it->first) * it->second / 1e6 / division;
    }
    return seconds;
}

TEST(SoundAssets, WavesLoadAtSensibleLengthAndLevel)
{
    const struct {
        const char* name;
        int minMs, maxMs;
    } waves[] = {
        {"move.wav", 60, 400},    {"bell1.wav", 30, 300},   {"clapping.wav", 1500, 4000},
        {"touch.wav", 10, 150},   {"goal.wav", 300, 1500},  {"shoot.wav", 50, 400},
        {"shoot2.wav", 50, 400},  {"point.wav", 300, 2000}, {"point2.wav", 300, 2000},
        {"plus1.wav", 300, 2000},
    };
    for (const auto& w : waves) {
        const auto samples = platform::LoadWave(Dist(w.name), 44100);
        ASSERT_NE(samples, nullptr) << w.name;
        const double ms = samples->size() / 2 * 1000.0 / 44100;
        EXPECT_GE(ms, w.minMs) << w.name;
        EXPECT_LE(ms, w.maxMs) << w.name;
        float peak = 0;
        for (float v : *samples)
            peak = std::max(peak, std::fabs(v));
        EXPECT_GT(peak, 0.2f) << w.name << " is too quiet";
        EXPECT_LT(peak, 0.95f) << w.name << " clips";
        EXPECT_LT(std::fabs(samples->back()), 0.01f) << w.name << " ends with a click";
    }
}

TEST(SoundAssets, TunesOpenAndLastTheirTime)
{
    const struct {
        const char* name;
        double minSeconds, maxSeconds;
    } tunes[] = {
        {"start.mid", 25, 35},   // the selection tune
        {"start1.mid", 60, 90},  // the play tune, looped
        {"start2.mid", 20, 90},
        {"fineplay.mid", 3, 12}, // the fanfare
    };
    std::mutex lock;
    platform::FluidSequencer sequencer(lock, 44100, "/nonexistent/bank.sf2");
    for (const auto& t : tunes) {
        EXPECT_TRUE(sequencer.Open(Dist(t.name))) << t.name;
        const double seconds = MidiSeconds(Dist(t.name));
        EXPECT_GE(seconds, t.minSeconds) << t.name;
        EXPECT_LE(seconds, t.maxSeconds) << t.name;
    }
}

TEST(TuneNotation, MistakesAreReportedWithTheirLine)
{
    const std::string head = "meter 4\npart lead program 1\nsection A 1\n";
    const struct {
        const char* body;
        const char* error;
    } cases[] = {
        {"lead | c5:4 d5:4 e5:4 |", "line 4: lead: bar 1 holds 3"},
        {"lead | c5:4 d5:4 e5:4 f5:4 | g5:1 |", "line 4: lead: line has 2 bars, section has 1"},
        {"lead | h5:1 |", "line 4: lead: bad pitch in 'h5:1'"},
        {"chords | Cxyz |", "line 4: bad chord 'Cxyz'"},
        {"chords | C | F |", "line 4: chords cover 2 bars"},
        {"bass | c3:1 |", "line 4: unknown part 'bass'"},
    };
    for (const auto& c : cases) {
        soundgen::Tune tune;
        std::string error;
        EXPECT_FALSE(soundgen::ParseTune(head + c.body + "\n", tune, error)) << c.body;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.body << " gave: " << error;
    }
}

TEST(TuneNotation, NotesTiesChordsAndComments)
{
    soundgen::Tune tune;
    std::string error;
    ASSERT_TRUE(soundgen::ParseTune("meter 4\npart lead program 1   # a comment\nsection A 2\n"
                                    "lead | c#5:4. bb4:8 c4+e4:2~ | c4+e4:4 r:4 f5:8t f5 f5 r:4 |\n",
                                    tune, error))
        << error;
    const auto& notes = tune.sections["A"].lines["lead"];
    struct Expect {
        double beat, length;
        int key;
    };
    const Expect want[] = {{0, 1.5, 73}, {1.5, 0.5, 70}, {2, 3, 60}, {2, 3, 64},
                           {6, 1.0 / 3, 77}, {6 + 1.0 / 3, 1.0 / 3, 77}, {6 + 2.0 / 3, 1.0 / 3, 77}};
    ASSERT_EQ(notes.size(), std::size(want));
    for (size_t i = 0; i < notes.size(); ++i) {
        EXPECT_NEAR(notes[i].beat, want[i].beat, 1e-9) << i;
        EXPECT_NEAR(notes[i].length, want[i].length, 1e-9) << i;
        EXPECT_EQ(notes[i].key, want[i].key) << i;
    }
}

TEST(TuneNotation, SwingMovesOnlyTheOffBeat)
{
    const struct {
        double beat, swing;
        int tick;
    } cases[] = {
        {0, 0.65, 0}, {1, 0.65, 480}, {1.5, 0.5, 720}, {1.5, 0.65, 792}, {2.25, 0.65, 1116}, {2.75, 0.65, 1356},
    };
    for (const auto& c : cases)
        EXPECT_EQ(soundgen::BeatToTick(c.beat, c.swing), c.tick) << c.beat << " at " << c.swing;
}

} // namespace
} // namespace soundtest
