// Single-precision helpers: the transcendental functions rounded to float, and truncation to int.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace table {

// The library functions work in double; the game keeps their results as 32-bit floats.
inline float Atan(float x) { return static_cast<float>(std::atan(static_cast<double>(x))); }
inline float Tan(float x) { return static_cast<float>(std::tan(static_cast<double>(x))); }
inline float Sin(float x) { return static_cast<float>(std::sin(static_cast<double>(x))); }

// Truncation toward zero. Out-of-range values saturate and NaN gives 0, so no slope, however
// degenerate, can make a conversion undefined.
inline int Trunc(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// Sign from the bit pattern: -0.0 and +0.0 are neither positive nor negative.
inline bool IsPositive(float v) { return !std::signbit(v) && v != 0.0f; }
inline bool IsNegative(float v) { return std::signbit(v) && v != 0.0f; }

} // namespace table
