// Writing a performance as a Standard MIDI File (format 1: a tempo track, then one per part).
#pragma once
#include <string>

#include "arranger.h"

namespace soundgen {

inline constexpr int kTicksPerBeat = 480;

// Swing moves each off-beat eighth to `swing` of the beat; other positions follow smoothly.
int BeatToTick(double beat, double swing);

bool WriteSmf(const std::string& path, const Performance& perf, const std::string& title);

} // namespace soundgen
