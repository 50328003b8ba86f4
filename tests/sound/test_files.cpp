// Scratch directories and sound fixtures for the sound tests.
#include "test_files.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace soundtest {
namespace {

void Put16(std::string& s, uint32_t v) { s += char(v & 0xFF); s += char((v >> 8) & 0xFF); }
void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xFFFF); Put16(s, v >> 16); }
void Put32Big(std::string& s, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        s += char((v >> shift) & 0xFF);
}

} // namespace

std::string MakeTempDir()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base ? base : "/tmp") + "/velkaro-sound-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data()))
        throw std::runtime_error("mkdtemp failed");
    return buf.data();
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void WriteSineWave(const std::string& path, double frequencyHz, int durationMs, double level)
{
    const uint32_t rate = 22050;
    const uint32_t frames = rate * durationMs / 1000;
    std::string data;
    for (uint32_t i = 0; i < frames; ++i)
        Put16(data, static_cast<uint16_t>(static_cast<int16_t>(
                        std::lround(32767 * level * std::sin(2 * M_PI * frequencyHz * i / rate)))));
    std::string file = "RIFF";
    Put32(file, 36 + data.size());
    file += "WAVEfmt ";
    Put32(file, 16);
    Put16(file, 1);
    Put16(file, 1);
    Put32(file, rate);
    Put32(file, rate * 2);
    Put16(file, 2);
    Put16(file, 16);
    file += "data";
    Put32(file, data.size());
    WriteText(path, file + data);
}

void WriteOneNoteMidi(const std::string& path, int durationMs)
{
    // 120 bpm: 480 ticks last 500 ms.
    const uint32_t ticks = static_cast<uint32_t>(durationMs) * 480 / 500;
    std::string track;
    track += std::string("\x00\xC0\x00", 3);  // piano
    track += std::string("\x00\x90\x3C\x64", 4);
    // Variable-length delta time.
    std::string delta;
    delta += char(ticks & 0x7F);
    for (uint32_t v = ticks >> 7; v; v >>= 7)
        delta.insert(delta.begin(), char(0x80 | (v & 0x7F)));
    track += delta + std::string("\x80\x3C\x00", 3);
    track += std::string("\x00\xFF\x2F\x00", 4);
    std::string file = "MThd";
    Put32Big(file, 6);
    file += std::string("\x00\x00\x00\x01\x01\xE0", 6);
    file += "MTrk";
    Put32Big(file, track.size());
    WriteText(path, file + track);
}

} // namespace soundtest
