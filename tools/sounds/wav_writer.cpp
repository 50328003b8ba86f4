// RIFF wave writer.
#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace soundgen {
namespace {

void Put16(std::string& s, uint32_t v) { s += char(v & 0xFF); s += char((v >> 8) & 0xFF); }
void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xFFFF); Put16(s, v >> 16); }

} // namespace

bool WriteWave(const std::string& path, const Signal& samples)
{
    std::string data;
    data.reserve(samples.size() * 2);
    for (float v : samples)
        Put16(data, static_cast<uint16_t>(static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767))));
    std::string file = "RIFF";
    Put32(file, 36 + data.size());
    file += "WAVEfmt ";
    Put32(file, 16);
    Put16(file, 1);  // PCM
    Put16(file, 1);  // mono
    Put32(file, kRate);
    Put32(file, kRate * 2);
    Put16(file, 2);
    Put16(file, 16);
    file += "data";
    Put32(file, data.size());
    std::ofstream out(path, std::ios::binary);
    out << file << data;
    return static_cast<bool>(out);
}

} // namespace soundgen
