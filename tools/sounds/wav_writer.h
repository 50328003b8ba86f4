// Writing 16-bit PCM wave files.
#pragma once
#include <string>

#include "dsp.h"

namespace soundgen {

// Mono, 16-bit, kRate; samples clipped to -1..1. Returns false when the file cannot be written.
bool WriteWave(const std::string& path, const Signal& samples);

} // namespace soundgen
