// Small signal-building blocks for the effect recipes: noise, filters, envelopes, partials.
#pragma once
#include <cstdint>
#include <vector>

namespace soundgen {

inline constexpr int kRate = 44100;

using Signal = std::vector<float>;

// Deterministic noise: the same recipe always gives the same file.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
    float Next();            // uniform in -1..1
    double Uniform(double lo, double hi);
private:
    uint32_t state_;
};

// Second-order filter (RBJ cookbook).
class Biquad {
public:
    static Biquad LowPass(double hz, double q = 0.707);
    static Biquad HighPass(double hz, double q = 0.707);
    static Biquad BandPass(double hz, double q);
    float Run(float x);
private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

Signal Silence(double seconds);
int Samples(double seconds);

// Adds a decaying sine at `at` seconds: frequency glides exponentially from f0 to f1 with time
// constant `glide`; amplitude falls with time constant `decay`; `attack` seconds of rise.
void AddPartial(Signal& s, double at, double f0, double f1, double glide, double amp, double decay,
                double attack = 0.0005);
// Adds filtered noise with an exponential decay after a linear attack.
void AddNoiseBurst(Signal& s, double at, Biquad filter, Noise& noise, double amp, double decay,
                   double length, double attack = 0.0003);
// Scales so the largest sample is `peak` (0..1).
void Normalize(Signal& s, double peak);
// Short linear fades at both ends so nothing clicks at the edges.
void FadeEdges(Signal& s, double inSeconds, double outSeconds);

} // namespace soundgen

namespace soundgen {

// A small room (four combs, two all-passes) mixed in at `wet`, ringing for about `seconds`.
void AddRoom(Signal& s, double wet, double seconds);

} // namespace soundgen
