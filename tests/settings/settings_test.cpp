// The keys of "dravonel.ini" as the game reads them into AppSettings.
#include "app/settings.h"

#include "tests/settings/config_dir.h"

namespace {

class SettingsTest : public ConfigDirTest {};

TEST_F(SettingsTest, NoFileGivesTheDefaultsAndCreatesNothing) {
    app::AppSettings s = app::LoadAppSettings();
    EXPECT_TRUE(s.Sound);
    EXPECT_TRUE(s.Music);
    EXPECT_TRUE(s.KyuSound);
    EXPECT_FALSE(s.KillSound);
    EXPECT_TRUE(s.ProMode);
    EXPECT_EQ(s.ShotMode, 1);
    EXPECT_EQ(s.GameSpeed, 5);
    EXPECT_EQ(s.VsComputer, 1);
    EXPECT_EQ(s.ShowComputerCard, 0);
    EXPECT_EQ(s.UserLevel, 2);
    EXPECT_EQ(app::ReadInt("Option", "ComputerName", 2), 2);
    EXPECT_EQ(app::ReadString("MIDI", "IDMIDI_SELECT", "start.mid", 20), "start.mid");
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

TEST_F(SettingsTest, FlagsAreOnOnlyForExactlyOne) {
    struct Case { const char* value; bool on; };
    const Case cases[] = {{"1", true}, {"2", false}, {"0", false}, {"5", false}, {"-1", false},
                          {"x", false}, {"1x", true}, {" 1 ", true}};
    for (const Case& c : cases) {
        Put("dravonel.ini", std::string("[Option]\r\nSound=") + c.value + "\r\nMusic=" + c.value +
                                "\r\nKyuSound=" + c.value + "\r\nKillSound=" + c.value +
                                "\r\nProMode=" + c.value + "\r\n");
        app::AppSettings s = app::LoadAppSettings();
        EXPECT_EQ(s.Sound, c.on) << c.value; // Sound=2 means tones, not wave files
        EXPECT_EQ(s.Music, c.on) << c.value;
        EXPECT_EQ(s.KyuSound, c.on) << c.value;
        EXPECT_EQ(s.KillSound, c.on) << c.value;
        EXPECT_EQ(s.ProMode, c.on) << c.value;
    }
}

TEST_F(SettingsTest, NumbersAreUsedUnvalidatedFromTheirSections) {
    Put("dravonel.ini", "[option]\nshotmode=7\nGameSpeed=42\nComputer=0\nShowComputerCard=3\n"
                        "UserLevel=9\n[USER]\nUserLevel=-4\n");
    app::AppSettings s = app::LoadAppSettings();
    EXPECT_EQ(s.ShotMode, 7);
    EXPECT_EQ(s.GameSpeed, 42);
    EXPECT_EQ(s.VsComputer, 0);
    EXPECT_EQ(s.ShowComputerCard, 3);
    EXPECT_EQ(s.UserLevel, -4); // from User, not the stray key in Option
}

TEST_F(SettingsTest, WritesLandInTheSettingsFileAndReadBackAtOnce) {
    EXPECT_TRUE(app::WriteString("Option", "GameSpeed", "9"));
    EXPECT_EQ(app::ReadInt("Option", "GameSpeed", 5), 9);
    EXPECT_EQ(app::LoadAppSettings().GameSpeed, 9);
    EXPECT_TRUE(std::filesystem::exists(dir / app::kSettingsFile));
    EXPECT_FALSE(std::filesystem::exists(dir / app::kUserLevelCopyFile));
}

} // namespace
