// Recipes of the wave effects: knocks and clicks from decaying partials and filtered noise,
// chimes from bell partials in a small room, applause from many clappers.
#include "effects.h"

#include <cmath>

namespace soundgen {
namespace {

// The clack of two resin balls: a few inharmonic partials that die within 20 ms.
void AddBallClack(Signal& s, double at, double amp, Noise& n)
{
    AddPartial(s, at, 2650, 2650, 0, 0.55 * amp, 0.018, 0.0002);
    AddPartial(s, at, 4120, 4120, 0, 0.35 * amp, 0.011, 0.0002);
    AddPartial(s, at, 5870, 5870, 0, 0.2 * amp, 0.007, 0.0002);
    AddPartial(s, at, 1480, 1480, 0, 0.18 * amp, 0.014, 0.0002);
    AddNoiseBurst(s, at, Biquad::HighPass(3000), n, 0.5 * amp, 0.0015, 0.01, 0.0001);
}

// A struck bell: partial ratios and their levels and decays.
struct Bell {
    double ratio[4], amp[4], decay[4];
};
constexpr Bell kGlock = {{1, 2.76, 5.40, 8.93}, {1, 0.32, 0.12, 0.05}, {0.55, 0.18, 0.07, 0.03}};
constexpr Bell kVibe = {{1, 4.0, 10.0, 2.0}, {1, 0.18, 0.05, 0.06}, {0.75, 0.14, 0.05, 0.3}};
constexpr Bell kCelesta = {{1, 3.0, 2.0, 6.1}, {1, 0.2, 0.25, 0.05}, {0.45, 0.12, 0.25, 0.04}};

void AddBell(Signal& s, double at, double hz, double amp, const Bell& bell)
{
    for (int k = 0; k < 4; ++k)
        AddPartial(s, at, hz * bell.ratio[k], hz * bell.ratio[k], 0, amp * bell.amp[k], bell.decay[k], 0.001);
}

double Note(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

Signal CushionKnock()
{
    Noise n(11);
    Signal s = Silence(0.22);
    AddPartial(s, 0, 210, 120, 0.02, 0.9, 0.045, 0.001);               // the ball's thump into the rubber
    AddPartial(s, 0, 420, 330, 0.01, 0.3, 0.02);                // the rail's wood
    AddNoiseBurst(s, 0, Biquad::LowPass(1400), n, 0.9, 0.012, 0.08);  // cloth
    AddNoiseBurst(s, 0, Biquad::BandPass(2600, 1.2), n, 0.4, 0.004, 0.02);
    Normalize(s, 0.7);
    FadeEdges(s, 0.0005, 0.04);
    return s;
}

Signal BallClick()
{
    Noise n(12);
    Signal s = Silence(0.12);
    AddBallClack(s, 0, 1.0, n);
    Normalize(s, 0.8);
    FadeEdges(s, 0.0002, 0.02);
    return s;
}

Signal Applause()
{
    Noise n(13);
    const double length = 2.8;
    Signal s = Silence(length);
    // How many hands are still going: a quick swell, then it thins out.
    auto density = [](double t) {
        if (t < 0.15) return t / 0.15;
        if (t < 1.6) return 1.0;
        return std::max(0.0, 1.0 - (t - 1.6) / 1.05);
    };
    for (int clapper = 0; clapper < 26; ++clapper) {
        const double rate = n.Uniform(3.4, 5.4);
        const double centre = n.Uniform(800, 2300);
        const double q = n.Uniform(0.9, 1.7);
        const double level = n.Uniform(0.3, 0.8);
        const double tail = n.Uniform(0.006, 0.012);
        for (double t = n.Uniform(0, 0.2); t < length - 0.1; t += 1.0 / rate + n.Uniform(-0.012, 0.012)) {
            if (n.Uniform(0, 1) > density(t))
                continue;
            AddNoiseBurst(s, t, Biquad::BandPass(centre * n.Uniform(0.93, 1.07), q), n, level, tail, 0.06, 0.0008);
        }
    }
    // The hall's murmur under the hands.
    Biquad murmur = Biquad::LowPass(2500);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] += static_cast<float>(0.06 * density(double(i) / kRate) * murmur.Run(n.Next()));
    AddRoom(s, 0.25, 0.9);
    Normalize(s, 0.7);
    FadeEdges(s, 0.01, 0.3);
    return s;
}

Signal AimTick()
{
    Noise n(14);
    Signal s = Silence(0.05);
    AddPartial(s, 0, 3100, 3100, 0, 0.5, 0.004, 0.0002);
    AddPartial(s, 0, 1750, 1750, 0, 0.35, 0.006, 0.0002);
    AddNoiseBurst(s, 0, Biquad::BandPass(4000, 2), n, 0.3, 0.001, 0.006, 0.0001);
    Normalize(s, 0.35);
    FadeEdges(s, 0.0002, 0.015);
    return s;
}

Signal PocketDrop()
{
    Noise n(15);
    Signal s = Silence(0.95);
    // Into the pocket's leather, then two small bounces.
    AddPartial(s, 0, 170, 105, 0.03, 1.0, 0.06, 0.0015);
    AddNoiseBurst(s, 0, Biquad::LowPass(900), n, 1.2, 0.02, 0.1);
    AddPartial(s, 0.11, 150, 110, 0.02, 0.45, 0.04, 0.003);
    AddNoiseBurst(s, 0.11, Biquad::LowPass(800), n, 0.45, 0.015, 0.06, 0.003);
    AddPartial(s, 0.18, 140, 110, 0.02, 0.22, 0.03, 0.003);
    // Rolling down the return: a rumble that ripples over the rail's joints.
    Biquad rumble = Biquad::LowPass(450);
    for (int i = 0; i < static_cast<int>(s.size()); ++i) {
        const double t = double(i) / kRate;
        if (t < 0.2 || t > 0.76)
            continue;
        const double env = t < 0.32 ? (t - 0.2) / 0.12 : std::max(0.0, 1.0 - (t - 0.32) / 0.44);
        const double ripple = 0.55 + 0.45 * std::sin(2 * M_PI * 21 * t);
        s[i] += static_cast<float>(1.4 * env * ripple * rumble.Run(n.Next()));
    }
    // And against the balls already down.
    AddBallClack(s, 0.74, 0.45, n);
    Normalize(s, 0.8);
    FadeEdges(s, 0.0005, 0.1);
    return s;
}

Signal CueStroke()
{
    Noise n(16);
    Signal s = Silence(0.16);
    AddNoiseBurst(s, 0, Biquad::BandPass(1300, 1.5), n, 1.6, 0.005, 0.04, 0.0002);  // leather tip
    AddPartial(s, 0, 980, 980, 0, 0.5, 0.018, 0.0002);
    AddPartial(s, 0, 2350, 2350, 0, 0.3, 0.008, 0.0002);
    AddPartial(s, 0, 240, 200, 0.02, 0.35, 0.03, 0.001);
    AddBallClack(s, 0.002, 0.3, n);
    Normalize(s, 0.75);
    FadeEdges(s, 0.0002, 0.03);
    return s;
}

Signal PowerStroke()
{
    Noise n(17);
    Signal s = Silence(0.22);
    AddNoiseBurst(s, 0, Biquad::BandPass(1700, 1.2), n, 2.0, 0.006, 0.05, 0.0002);
    AddPartial(s, 0, 1150, 1150, 0, 0.55, 0.02, 0.0002);
    AddPartial(s, 0, 2800, 2800, 0, 0.35, 0.01, 0.0002);
    AddPartial(s, 0, 160, 110, 0.03, 0.6, 0.05, 0.0015);
    AddNoiseBurst(s, 0, Biquad::LowPass(600), n, 0.8, 0.03, 0.12);
    AddBallClack(s, 0.002, 0.45, n);
    Normalize(s, 0.9);
    FadeEdges(s, 0.0002, 0.04);
    return s;
}

Signal PointChime()
{
    Signal s = Silence(1.3);
    const int notes[] = {76, 80, 83, 88};  // E major, up to the octave
    for (int k = 0; k < 4; ++k)
        AddBell(s, 0.07 * k, Note(notes[k]), k == 3 ? 0.8 : 0.6, kGlock);
    AddRoom(s, 0.35, 1.2);
    Normalize(s, 0.7);
    FadeEdges(s, 0.0005, 0.25);
    return s;
}

Signal PointChime2()
{
    Signal s = Silence(1.5);
    AddBell(s, 0, Note(84), 0.7, kVibe);     // C
    AddBell(s, 0.16, Note(91), 0.8, kVibe);  // G above
    // The vibraphone's slow tremolo.
    for (size_t i = 0; i < s.size(); ++i)
        s[i] *= static_cast<float>(1.0 - 0.22 * (0.5 + 0.5 * std::sin(2 * M_PI * 5.5 * i / kRate)));
    AddRoom(s, 0.35, 1.4);
    Normalize(s, 0.7);
    FadeEdges(s, 0.0005, 0.3);
    return s;
}

Signal PlusChime()
{
    Signal s = Silence(1.2);
    const int notes[] = {79, 84, 88, 91, 96};  // G C E G C: a quick run up to the top
    for (int k = 0; k < 5; ++k) {
        // Two slightly apart strings per note shimmer against each other.
        AddBell(s, 0.045 * k, Note(notes[k]) * 1.0017, 0.35, kCelesta);
        AddBell(s, 0.045 * k, Note(notes[k]) / 1.0017, 0.35, kCelesta);
    }
    AddRoom(s, 0.4, 1.1);
    Normalize(s, 0.7);
    FadeEdges(s, 0.0005, 0.25);
    return s;
}

} // namespace

const std::vector<Effect>& Effects()
{
    static const std::vector<Effect> effects = {
        {"move.wav", CushionKnock},  {"bell1.wav", BallClick},   {"clapping.wav", Applause},
        {"touch.wav", AimTick},      {"goal.wav", PocketDrop},   {"shoot.wav", CueStroke},
        {"shoot2.wav", PowerStroke}, {"point.wav", PointChime},  {"point2.wav", PointChime2},
        {"plus1.wav", PlusChime},
    };
    return effects;
}

} // namespace soundgen
