// Styles that play a part from the chords: walking and bossa bass, swing and bossa comping,
// string pads, arpeggios, drum kits, and held chords for endings.
#include "arranger.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>

namespace soundgen {
namespace {

class Rng {
public:
    explicit Rng(uint32_t seed) : s_(seed * 2654435761u + 1) {}
    uint32_t Next()
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
private:
    uint32_t s_;
};

// State a style carries from one section to the next, per part.
struct Carry {
    std::vector<int> voicing;
    int lastBass = 40;
};

struct Context {
    const std::vector<ChordSpan>& spans;
    const Chord* nextChord;  // the first chord of the following section, or null at the end
    int bars;
    int beatsPerBar;
    bool firstSection;
    bool lastSection;
    Rng& rng;
    Carry& carry;
    std::vector<Note>& out;
};

int Nearest(int pc, int near)
{
    int k = near - ((near - pc) % 12 + 12) % 12;
    if (near - k > 6)
        k += 12;
    return k;
}

int Fit(int key, int low, int high)
{
    while (key < low)
        key += 12;
    while (key > high)
        key -= 12;
    return key;
}

int Velocity(Rng& rng, int base) { return std::clamp(base + rng.Below(9) - 4, 1, 127); }

// Chord tones stacked from each inversion, the one closest to the last voicing chosen.
std::vector<int> Voice(const Chord& chord, const std::vector<int>& previous, int low, int high, bool withRoot,
                       size_t maxVoices)
{
    std::vector<int> intervals = chord.intervals;
    if (!withRoot && intervals.size() >= 4)
        intervals.erase(intervals.begin());
    while (intervals.size() > maxVoices) {
        auto fifth = std::find(intervals.begin(), intervals.end(), 7);
        intervals.erase(fifth != intervals.end() ? fifth : intervals.end() - 1);
    }
    std::vector<int> pcs;
    for (int i : intervals)
        pcs.push_back((chord.root + i) % 12);
    std::vector<int> best;
    double bestScore = 1e9;
    const double centre = previous.empty()
                              ? (low + high) / 2.0
                              : std::accumulate(previous.begin(), previous.end(), 0.0) / previous.size();
    for (size_t r = 0; r < pcs.size(); ++r) {
        for (int base = low; base < low + 12; ++base) {
            std::vector<int> v;
            int k = base;
            for (size_t j = 0; j < pcs.size(); ++j) {
                const int pc = pcs[(r + j) % pcs.size()];
                while (((k % 12) + 12) % 12 != pc)
                    ++k;
                v.push_back(k);
                ++k;
            }
            if (v.front() != base || v.back() > high)
                continue;
            double score = 0;
            if (previous.size() == v.size())
                for (size_t j = 0; j < v.size(); ++j)
                    score += std::abs(v[j] - previous[j]);
            else
                score = std::fabs(std::accumulate(v.begin(), v.end(), 0.0) / v.size() - centre) * 2;
            if (score < bestScore) {
                bestScore = score;
                best = v;
            }
        }
    }
    return best;
}

int BassPc(const Chord& c) { return c.bass >= 0 ? c.bass : c.root; }

const Chord& ChordAt(const Context& c, double beat)
{
    for (const ChordSpan& s : c.spans)
        if (beat >= s.beat - 1e-9 && beat < s.beat + s.length - 1e-9)
            return s.chord;
    return c.spans.back().chord;
}

void Walking(Context& c)
{
    for (size_t i = 0; i < c.spans.size(); ++i) {
        const ChordSpan& span = c.spans[i];
        const Chord* next = i + 1 < c.spans.size() ? &c.spans[i + 1].chord : c.nextChord;
        const int beats = std::max(1, static_cast<int>(std::lround(span.length)));
        const int root = Fit(Nearest(BassPc(span.chord), c.carry.lastBass), 31, 50);
        std::vector<int> line{root};
        const int third = root + span.chord.intervals[1 % span.chord.intervals.size()];
        const int fifth = root + 7;
        const int seventh = root + (span.chord.intervals.size() > 3 ? span.chord.intervals[3] : 12) - 12;
        if (beats == 4) {
            switch (c.rng.Below(4)) {
            case 0: line.insert(line.end(), {third, fifth}); break;
            case 1: line.insert(line.end(), {root + 2, third}); break;
            case 2: line.insert(line.end(), {seventh, root - 5}); break;
            default: line.insert(line.end(), {root + 12, fifth}); break;
            }
        } else if (beats == 3) {
            line.push_back(c.rng.Chance(50) ? third : fifth);
        }
        while (static_cast<int>(line.size()) < beats - 1)
            line.push_back(fifth);
        if (beats > 1) {
            if (next) {
                // Lead into the next root by a half step, or from its fifth.
                const int target = Nearest(BassPc(*next), line.back());
                const int pick = c.rng.Below(3);
                line.push_back(pick == 0 ? target - 1 : pick == 1 ? target + 1 : target - 5);
            } else {
                line.push_back(fifth);
            }
        }
        for (int b = 0; b < beats; ++b) {
            const int key = Fit(line[b], 28, 55);
            c.out.push_back({span.beat + b, 0.92, key, Velocity(c.rng, b == 0 ? 96 : 84)});
        }
        c.carry.lastBass = line.back();
    }
}

void TwoFeel(Context& c)
{
    for (const ChordSpan& span : c.spans) {
        const int root = Fit(Nearest(BassPc(span.chord), c.carry.lastBass), 31, 50);
        const int halves = std::max(1, static_cast<int>(std::lround(span.length / 2)));
        for (int h = 0; h < halves; ++h) {
            const int key = h % 2 == 0 ? root : Fit(root + 7, 28, 55);
            c.out.push_back({span.beat + 2 * h, 1.85, key, Velocity(c.rng, h == 0 ? 92 : 80)});
        }
        c.carry.lastBass = root;
    }
}

void BossaBass(Context& c)
{
    const double steps[][3] = {{0, 1.45, 0}, {1.5, 0.45, 7}, {2, 1.45, 7}, {3.5, 0.45, 0}};
    for (int bar = 0; bar < c.bars; ++bar)
        for (const auto& s : steps) {
            const double beat = bar * c.beatsPerBar + s[0];
            const Chord& chord = ChordAt(c, beat);
            const int root = Fit(Nearest(BassPc(chord), c.carry.lastBass), 33, 48);
            c.out.push_back({beat, s[1], Fit(root + static_cast<int>(s[2]), 28, 52), Velocity(c.rng, s[0] == 0 ? 90 : 78)});
            if (s[2] == 0)
                c.carry.lastBass = root;
        }
}

void Strike(Context& c, double beat, double length, int low, int high, bool root, size_t voices, int velocity)
{
    const Chord& chord = ChordAt(c, beat);
    c.carry.voicing = Voice(chord, c.carry.voicing, low, high, root, voices);
    for (int key : c.carry.voicing)
        c.out.push_back({beat, length, key, Velocity(c.rng, velocity)});
}

void SwingComp(Context& c)
{
    // Rhythms for a whole bar and for half a bar, as (beat, length).
    static const std::vector<std::vector<std::pair<double, double>>> whole = {
        {{0, 0.9}, {1.5, 0.45}},
        {{1.5, 0.45}, {3.5, 0.4}},
        {{0, 1.8}, {2.5, 0.45}},
        {{1, 0.8}, {2.5, 1.2}},
        {{0, 0.45}, {2, 0.9}},
    };
    static const std::vector<std::vector<std::pair<double, double>>> half = {
        {{0, 0.9}}, {{0.5, 1.2}}, {{1.5, 0.45}}, {{0, 0.45}, {1, 0.8}},
    };
    for (const ChordSpan& span : c.spans) {
        const auto& choices = span.length >= 4 ? whole : half;
        for (const auto& [b, len] : choices[c.rng.Below(static_cast<int>(choices.size()))])
            if (b < span.length)
                Strike(c, span.beat + b, len, 52, 74, false, 4, 66);
    }
}

void BossaComp(Context& c)
{
    const std::vector<double> hits[2] = {{0, 1.5, 3}, {1, 2.5}};
    for (int bar = 0; bar < c.bars; ++bar)
        for (double b : hits[bar % 2])
            Strike(c, bar * c.beatsPerBar + b, 0.45, 52, 70, false, 4, 64);
}

void Pad(Context& c)
{
    for (const ChordSpan& span : c.spans)
        Strike(c, span.beat, span.length - 0.05, 55, 79, true, 4, 52);
}

void Arpeggio(Context& c)
{
    for (const ChordSpan& span : c.spans) {
        std::vector<int> v = Voice(span.chord, c.carry.voicing, 60, 84, true, 4);
        c.carry.voicing = v;
        std::vector<int> order = v;
        for (int i = static_cast<int>(v.size()) - 2; i > 0; --i)
            order.push_back(v[i]);
        const int steps = static_cast<int>(std::lround(span.length * 2));
        for (int s = 0; s < steps; ++s)
            c.out.push_back({span.beat + s * 0.5, 0.45, order[s % order.size()], Velocity(c.rng, s % 2 ? 54 : 62)});
    }
}

void HoldBass(Context& c)
{
    for (const ChordSpan& span : c.spans) {
        const int root = Fit(Nearest(BassPc(span.chord), c.carry.lastBass), 28, 48);
        c.out.push_back({span.beat, span.length - 0.05, root, Velocity(c.rng, 88)});
        c.carry.lastBass = root;
    }
}

void HoldChord(Context& c)
{
    for (const ChordSpan& span : c.spans)
        Strike(c, span.beat, span.length - 0.05, 52, 76, true, 5, 64);
}

// General MIDI percussion keys.
enum Drum { Kick = 36, SideStick = 37, Snare = 38, ClosedHat = 42, PedalHat = 44, Crash = 49, Ride = 51 };

void SwingKit(Context& c)
{
    for (int bar = 0; bar < c.bars; ++bar) {
        const double at = bar * c.beatsPerBar;
        const bool opening = bar == 0 && !c.firstSection;
        const std::pair<double, int> ride[] = {{0, 70}, {1, 80}, {1.5, 56}, {2, 70}, {3, 80}, {3.5, 56}};
        for (const auto& [b, v] : ride)
            if (!(opening && b == 0))
                c.out.push_back({at + b, 0.4, Ride, Velocity(c.rng, v)});
        if (opening)
            c.out.push_back({at, 1, Crash, Velocity(c.rng, 72)});
        c.out.push_back({at + 1, 0.2, PedalHat, Velocity(c.rng, 58)});
        c.out.push_back({at + 3, 0.2, PedalHat, Velocity(c.rng, 58)});
        c.out.push_back({at, 0.3, Kick, Velocity(c.rng, 40)});
        c.out.push_back({at + 2, 0.3, Kick, Velocity(c.rng, 34)});
        if (c.rng.Chance(25))
            c.out.push_back({at + 3, 0.2, SideStick, Velocity(c.rng, 50)});
        if (bar == c.bars - 1 && !c.lastSection) {
            // A short pickup into the next section.
            c.out.push_back({at + 2.5, 0.2, Snare, Velocity(c.rng, 52)});
            c.out.push_back({at + 3.5, 0.2, Snare, Velocity(c.rng, 66)});
            c.out.push_back({at + 3.5, 0.2, Kick, Velocity(c.rng, 56)});
        }
    }
}

void BossaKit(Context& c)
{
    const std::vector<double> clave[2] = {{0, 1.5, 3}, {1, 2.5}};
    for (int bar = 0; bar < c.bars; ++bar) {
        const double at = bar * c.beatsPerBar;
        for (int e = 0; e < c.beatsPerBar * 2; ++e)
            c.out.push_back({at + e * 0.5, 0.2, ClosedHat, Velocity(c.rng, e % 2 ? 38 : 52)});
        for (double b : clave[bar % 2])
            c.out.push_back({at + b, 0.2, SideStick, Velocity(c.rng, 62)});
        for (const auto& [b, v] : {std::pair{0.0, 62}, {1.5, 44}, {2.0, 60}, {3.5, 44}})
            c.out.push_back({at + b, 0.3, Kick, Velocity(c.rng, v)});
        if (bar == 0 && !c.firstSection)
            c.out.push_back({at, 1, Crash, Velocity(c.rng, 58)});
    }
}

void HoldKit(Context& c)
{
    c.out.push_back({0, 2, Crash, Velocity(c.rng, 70)});
    c.out.push_back({0, 0.5, Kick, Velocity(c.rng, 70)});
}

using Style = void (*)(Context&);

Style FindStyle(const std::string& name)
{
    static const std::pair<const char*, Style> styles[] = {
        {"walking", Walking},   {"twofeel", TwoFeel},     {"bossabass", BossaBass}, {"comp", SwingComp},
        {"bossacomp", BossaComp}, {"pad", Pad},           {"arp", Arpeggio},        {"holdbass", HoldBass},
        {"holdchord", HoldChord}, {"swingkit", SwingKit}, {"bossakit", BossaKit},   {"holdkit", HoldKit},
    };
    for (const auto& [n, s] : styles)
        if (name == n)
            return s;
    return nullptr;
}

} // namespace

bool KnownStyle(const std::string& name)
{
    return name == "rest" || FindStyle(name) != nullptr;
}

Performance Arrange(const Tune& tune)
{
    Performance perf;
    perf.beatsPerBar = tune.beatsPerBar;
    perf.swing = tune.swing;
    perf.tempos.push_back({0, tune.tempo});
    for (const PartSetup& p : tune.parts)
        perf.tracks.push_back({p, {}});
    std::vector<Carry> carries(tune.parts.size());
    Rng rng(tune.seed);
    double at = 0;
    for (size_t f = 0; f < tune.form.size(); ++f) {
        const Section& section = tune.sections.at(tune.form[f]);
        if (section.tempo > 0)
            perf.tempos.push_back({at, section.tempo});
        const Chord* nextChord = nullptr;
        if (f + 1 < tune.form.size()) {
            const Section& next = tune.sections.at(tune.form[f + 1]);
            if (!next.chords.empty())
                nextChord = &next.chords.front().chord;
        }
        for (size_t p = 0; p < tune.parts.size(); ++p) {
            const PartSetup& part = tune.parts[p];
            std::vector<Note> notes;
            if (auto line = section.lines.find(part.name); line != section.lines.end()) {
                notes = line->second;
                // A player leans on the bar's first beat and lets the off-beats fall back a little.
                for (Note& n : notes) {
                    const double inBar = std::fmod(n.beat, tune.beatsPerBar);
                    const int lean = inBar < 1e-6 ? 6 : std::fmod(n.beat, 1.0) > 1e-6 ? -4 : 0;
                    n.velocity = Velocity(rng, n.velocity + lean);
                }
            } else {
                auto styled = section.styles.find(part.name);
                const std::string style = styled != section.styles.end() ? styled->second : part.style;
                if (Style s = FindStyle(style); s && !section.chords.empty()) {
                    Context c{section.chords, nextChord, section.bars, tune.beatsPerBar, f == 0,
                              f + 1 == tune.form.size(), rng, carries[p], notes};
                    s(c);
                }
            }
            for (Note n : notes) {
                n.beat += at;
                perf.tracks[p].notes.push_back(n);
            }
        }
        at += section.bars * tune.beatsPerBar;
    }
    perf.lengthBeats = at;
    return perf;
}

} // namespace soundgen
