// Scratch directories and small sound fixtures written by the tests themselves.
#pragma once
#include <string>

namespace soundtest {

// A fresh empty directory under the system's temporary directory.
std::string MakeTempDir();
void WriteText(const std::string& path, const std::string& text);
// A 16-bit mono 22050 Hz sine wave file.
void WriteSineWave(const std::string& path, double frequencyHz, int durationMs, double level = 0.5);
// A one-track Standard MIDI File: piano, one note held `durationMs` (120 bpm, 480 ticks a beat).
void WriteOneNoteMidi(const std::string& path, int durationMs);

} // namespace soundtest
