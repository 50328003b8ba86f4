// The cloth colour from "color.def".
#include "render/cloth_colour.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace render {

namespace {

int Field(const std::string& bytes, size_t at)
{
    size_t i = at;
    const size_t end = std::min(at + 3, bytes.size());
    while (i < end && (bytes[i] == ' ' || bytes[i] == '\t'))
        ++i;
    int value = 0;
    for (; i < end && bytes[i] >= '0' && bytes[i] <= '9'; ++i)
        value = value * 10 + (bytes[i] - '0');
    return value & 0xFF;
}

} // namespace

bool ParseClothColour(const std::string& bytes, platform::COLORREF& colour)
{
    if (bytes.empty())
        return false;
    colour = platform::PALETTERGB(Field(bytes, 0), Field(bytes, 3), Field(bytes, 6));
    return true;
}

platform::COLORREF LoadClothColour(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return DefaultClothColour;
    std::string bytes;
    bytes.resize(9);
    file.read(bytes.data(), 9);
    bytes.resize(size_t(file.gcount()));
    platform::COLORREF colour = DefaultClothColour;
    if (!ParseClothColour(bytes, colour))
        return DefaultClothColour;
    return colour;
}

} // namespace render
