// Standard MIDI File writer.
#include "smf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace soundgen {
namespace {

struct Event {
    int tick;
    int order;  // at one tick: setup first, then note-offs, then note-ons
    std::vector<uint8_t> bytes;
};

void PutVar(std::string& s, uint32_t v)
{
    std::string tmp(1, char(v & 0x7F));
    for (v >>= 7; v; v >>= 7)
        tmp.insert(tmp.begin(), char(0x80 | (v & 0x7F)));
    s += tmp;
}

void Put32Big(std::string& s, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        s += char((v >> shift) & 0xFF);
}

std::string Chunk(std::vector<Event> events, int endTick)
{
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::string body;
    int last = 0;
    for (const Event& e : events) {
        PutVar(body, e.tick - last);
        body.append(e.bytes.begin(), e.bytes.end());
        last = e.tick;
    }
    PutVar(body, std::max(0, endTick - last));
    body += std::string("\xFF\x2F\x00", 3);
    std::string chunk = "MTrk";
    Put32Big(chunk, body.size());
    return chunk + body;
}

Event Meta(int tick, uint8_t type, const std::string& data)
{
    Event e{tick, 0, {0xFF, type}};
    std::string len;
    PutVar(len, data.size());
    e.bytes.insert(e.bytes.end(), len.begin(), len.end());
    e.bytes.insert(e.bytes.end(), data.begin(), data.end());
    return e;
}

} // namespace

int BeatToTick(double beat, double swing)
{
    const double whole = std::floor(beat + 1e-9);
    double frac = beat - whole;
    if (frac < 1e-9)
        frac = 0;
    const double moved = frac <= 0.5 ? frac * 2 * swing : swing + (frac - 0.5) * 2 * (1 - swing);
    return static_cast<int>(std::lround((whole + moved) * kTicksPerBeat));
}

bool WriteSmf(const std::string& path, const Performance& perf, const std::string& title)
{
    const int endTick = BeatToTick(perf.lengthBeats, perf.swing);
    std::string file = "MThd";
    Put32Big(file, 6);
    file += std::string("\x00\x01", 2);
    file += char((perf.tracks.size() + 1) >> 8);
    file += char((perf.tracks.size() + 1) & 0xFF);
    file += char(kTicksPerBeat >> 8);
    file += char(kTicksPerBeat & 0xFF);

    std::vector<Event> conductor;
    conductor.push_back(Meta(0, 0x03, title));
    conductor.push_back(Meta(0, 0x58, std::string{char(perf.beatsPerBar), 2, 24, 8}));
    for (const auto& mark : perf.tempos) {
        const uint32_t us = static_cast<uint32_t>(std::lround(60000000.0 / mark.bpm));
        conductor.push_back(Meta(BeatToTick(mark.beat, perf.swing), 0x51,
                                 std::string{char(us >> 16), char((us >> 8) & 0xFF), char(us & 0xFF)}));
    }
    file += Chunk(conductor, endTick);

    for (const auto& track : perf.tracks) {
        const PartSetup& p = track.setup;
        const uint8_t ch = static_cast<uint8_t>(p.channel & 0x0F);
        std::vector<Event> events;
        events.push_back(Meta(0, 0x03, p.name));
        if (ch != 9)
            events.push_back({0, 0, {uint8_t(0xC0 | ch), uint8_t(p.program & 0x7F)}});
        const std::pair<uint8_t, int> controls[] = {{7, p.volume}, {10, p.pan}, {91, p.reverb}, {93, p.chorus}};
        for (const auto& [cc, v] : controls)
            events.push_back({0, 0, {uint8_t(0xB0 | ch), cc, uint8_t(std::clamp(v, 0, 127))}});
        for (const Note& n : track.notes) {
            const int on = BeatToTick(n.beat, perf.swing);
            const int off = std::max(on + 1, BeatToTick(n.beat + n.length, perf.swing));
            events.push_back({on, 2, {uint8_t(0x90 | ch), uint8_t(n.key), uint8_t(std::clamp(n.velocity, 1, 127))}});
            events.push_back({off, 1, {uint8_t(0x80 | ch), uint8_t(n.key), 0}});
        }
        file += Chunk(events, endTick);
    }
    std::ofstream out(path, std::ios::binary);
    out << file;
    return static_cast<bool>(out);
}

} // namespace soundgen
