// The cloth colour file and the game palette.
#include "platform/palette.h"
#include "render/cloth_colour.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fstream>

namespace {

using platform::PALETTERGB;

TEST(ClothColour, PositionalFields)
{
    struct Case { const char* bytes; platform::COLORREF colour; };
    const Case cases[] = {
        {"  0128 64", PALETTERGB(0, 128, 64)},
        {"255255255", PALETTERGB(255, 255, 255)},
        {"  0  0  0", PALETTERGB(0, 0, 0)},
        {"0128 64", PALETTERGB(12, 8, 4)},        // written without the leading blanks
        {"256  1999", PALETTERGB(0, 1, 231)},     // low 8 bits: 256 is 0, 999 is 231
        {"abc-12 x7", PALETTERGB(0, 0, 0)},       // fields that do not start with digits
        {"1 2 34 5 ", PALETTERGB(1, 34, 5)},      // a field ends at its first non-digit
        {"  0128 64tail", PALETTERGB(0, 128, 64)},  // bytes after the ninth are ignored
    };
    for (const Case& k : cases) {
        platform::COLORREF colour = 0;
        ASSERT_TRUE(render::ParseClothColour(k.bytes, colour)) << k.bytes;
        EXPECT_EQ(colour, k.colour) << k.bytes;
    }
}

TEST(ClothColour, FilesAndTheirFailures)
{
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(base + "/" + name, std::ios::binary) << bytes;
        return base + "/" + name;
    };
    EXPECT_EQ(render::LoadClothColour(write("color.def", "255  0  0")), PALETTERGB(255, 0, 0));
    EXPECT_EQ(render::LoadClothColour(base + "/missing.def"), render::DefaultClothColour);
    EXPECT_EQ(render::LoadClothColour(write("empty.def", "")), render::DefaultClothColour);
    EXPECT_EQ(render::LoadClothColour(base), render::DefaultClothColour);  // a directory
    EXPECT_EQ(render::DefaultClothColour, PALETTERGB(0, 128, 64));
}

TEST(GamePalette, NearestEntryOfTheCube)
{
    const platform::Palette palette = platform::BuildGamePalette();
    ASSERT_EQ(palette.Size(), 128);
    const int nearest = palette.NearestIndex(platform::RGB(200, 200, 31));
    EXPECT_EQ(nearest, 1 + 25 * 3 + 5 * 3 + 0);
    EXPECT_EQ(palette.EntryColour(nearest), platform::RGB(192, 192, 0));
}

} // namespace
