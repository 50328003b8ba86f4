// Reading and writing private profile files, including damaged and hand-edited ones.
#include "platform/profile.h"

#include "tests/settings/config_dir.h"

#include <sys/stat.h>

using platform::ProfilePath;
using platform::ProfileReadInt;
using platform::ProfileReadString;
using platform::ProfileWriteString;
using platform::SettingsDirectory;

namespace {

class ProfileTest : public ConfigDirTest {};

TEST_F(ProfileTest, ReadIntTakesTheNumberAtTheStartOfTheValue) {
    struct Case { const char* line; int expected; };
    const Case cases[] = {
        {"Key=5", 5},
        {"Key = 7 ", 7},        // spaces around '=' and the value
        {"Key=12abc", 12},      // digits then text: the digits count
        {"Key=abc", 0},         // present but no digit
        {"Key= x5", 0},
        {"Key=-3", -3},         // a leading sign, as the Windows service accepts
        {"Key=+4", 4},
        {"Key=-", 0},
        {"Key=", 99},           // an empty value reads like a missing one
        {"Key=2147483648", -2147483648}, // wraps at 32 bits rather than overflowing
        {"kEY=6", 6},           // key names ignore letter case
    };
    for (const Case& c : cases) {
        Put("t.ini", std::string("[Sect]\n") + c.line + "\n");
        EXPECT_EQ(ProfileReadInt("t.ini", "Sect", "Key", 99), c.expected) << c.line;
        EXPECT_EQ(ProfileReadInt("t.ini", "sECT", "Key", 99), c.expected) << c.line;
    }
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(ProfileReadInt("none.ini", "A", "B", 42), 42);
    EXPECT_EQ(ProfileReadString("none.ini", "A", "B", "dflt", 80), "dflt");
    Put("t.ini", "; comment\nB=1\n[A]\nC=1\n[Other]\nB=1\n");
    EXPECT_EQ(ProfileReadInt("t.ini", "Missing", "B", 42), 42);
    EXPECT_EQ(ProfileReadInt("t.ini", "A", "B", 42), 42);     // B outside any section or in another
    EXPECT_EQ(ProfileReadString("t.ini", "A", "B", "d", 80), "d");
    EXPECT_FALSE(std::filesystem::exists(dir / "none.ini")); // reading creates nothing
}

TEST_F(ProfileTest, ReadStringCutsToCapacityWithoutSplittingADoubleByteCharacter) {
    // "あい" in Shift-JIS is 82 A0 82 A2.
    Put("t.ini", "[S]\nAscii=abcdef\nKana=\x82\xa0\x82\xa2\nMixed=a\x82\xa0\x62\nQuoted=\"q v\"\n");
    struct Case { const char* key; int capacity; std::string expected; };
    const Case cases[] = {
        {"Ascii", 80, "abcdef"}, {"Ascii", 4, "abc"}, {"Ascii", 1, ""}, {"Ascii", 0, ""},
        {"Ascii", -5, ""},
        {"Kana", 5, "\x82\xa0\x82\xa2"}, {"Kana", 4, "\x82\xa0"}, {"Kana", 3, "\x82\xa0"},
        {"Kana", 2, ""},
        {"Mixed", 3, "a"}, {"Mixed", 4, "a\x82\xa0"},
        {"Quoted", 80, "q v"},
        {"Missing", 3, "de"}, // the default is cut too
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProfileReadString("t.ini", "S", c.key, "default", c.capacity), c.expected)
            << c.key << " " << c.capacity;
}

TEST_F(ProfileTest, DuplicateSectionsAndKeysTheFirstWins) {
    Put("t.ini", "[S]\nK=1\nK=2\n[s]\nK=3\nOnlyLater=4\n");
    EXPECT_EQ(ProfileReadInt("t.ini", "S", "K", 0), 1);
    EXPECT_EQ(ProfileReadInt("t.ini", "S", "OnlyLater", 0), 0);
    ASSERT_TRUE(ProfileWriteString("t.ini", "S", "K", "9"));
    EXPECT_EQ(Get("t.ini"), "[S]\nK=9\nK=2\n[s]\nK=3\nOnlyLater=4\n");
}

// Each write must change its own key's value and keep every other byte of the file.
TEST_F(ProfileTest, WriteReplacesOnlyItsOwnKey) {
    struct Case { const char* what; std::string before, section, key, text, after; };
    const Case cases[] = {
        {"replace, CR LF kept", "; top\r\n[Option]\r\nSound=1\r\nX=y\r\n\r\n[User]\r\nUserLevel=2\r\n",
         "Option", "Sound", "0",
         "; top\r\n[Option]\r\nSound=0\r\nX=y\r\n\r\n[User]\r\nUserLevel=2\r\n"},
        {"replace keeps spacing and name case", "[ Option ]\n  sound = 1  \n", "option", "SOUND", "22",
         "[ Option ]\n  sound = 22  \n"},
        {"replace an empty value", "[A]\nK=\nL=1\n", "A", "K", "5", "[A]\nK=5\nL=1\n"},
        {"replace in an unterminated last line", "[A]\nK=1", "A", "K", "2", "[A]\nK=2"},
        {"new key after the section's last line, before blank lines",
         "[A]\r\nK=1\r\n\r\n[B]\r\nL=1\r\n", "A", "New", "x",
         "[A]\r\nK=1\r\nNew=x\r\n\r\n[B]\r\nL=1\r\n"},
        {"new key in an unterminated last section", "[A]\nK=1", "A", "New", "x", "[A]\nK=1\nNew=x"},
        {"new section at the end", "[A]\nK=1\n", "B", "K", "v", "[A]\nK=1\n[B]\nK=v\n"},
        {"new section after an unterminated line", "[A]\r\nK=1", "B", "K", "v",
         "[A]\r\nK=1\r\n[B]\r\nK=v\r\n"},
        {"key outside any section is not the section's", "K=1\n[A]\n", "A", "K", "2", "K=1\n[A]\nK=2\n"},
        {"new file", "", "Option", "Sound", "1", "[Option]\r\nSound=1\r\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir / "t.ini");
        if (!c.before.empty()) Put("t.ini", c.before);
        EXPECT_TRUE(ProfileWriteString("t.ini", c.section, c.key, c.text)) << c.what;
        EXPECT_EQ(Get("t.ini"), c.after) << c.what;
        EXPECT_EQ(ProfileReadString("t.ini", c.section, c.key, "?", 80), c.text) << c.what;
    }
}

TEST_F(ProfileTest, BadContentNeverCrashesNorLosesData) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += char((i * 131 + 7) & 0xFF);
    std::string longLine = "[A]\nK=" + std::string(1 << 20, 'z') + "\n";
    for (const std::string& before : {binary, longLine}) {
        Put("t.ini", before);
        ProfileReadInt("t.ini", "A", "K", 0);
        ProfileReadString("t.ini", "A", "K", "", 80);
        ASSERT_TRUE(ProfileWriteString("t.ini", "Fresh", "Key", "1"));
        std::string after = Get("t.ini");
        ASSERT_GE(after.size(), before.size());
        EXPECT_EQ(after.compare(0, before.size(), before), 0); // the old bytes are all there
        EXPECT_EQ(ProfileReadInt("t.ini", "Fresh", "Key", 0), 1);
    }
}

TEST_F(ProfileTest, TextThatWouldForgeLinesIsRefused) {
    Put("t.ini", "[A]\nK=1\n");
    EXPECT_FALSE(ProfileWriteString("t.ini", "A", "K", "2\n[B]\nX=1"));
    EXPECT_FALSE(ProfileWriteString("t.ini", "A", "K=", "2"));
    EXPECT_FALSE(ProfileWriteString("t.ini", "A]", "K", "2"));
    EXPECT_FALSE(ProfileWriteString("t.ini", "", "K", "2"));
    EXPECT_EQ(Get("t.ini"), "[A]\nK=1\n");
}

TEST_F(ProfileTest, UnwritableFileReturnsFalseAndKeepsTheOldContent) {
    // A settings "directory" that is a plain file cannot hold anything, even for root.
    Put("blocker", "x");
    setenv("VELKARO_CONFIG_DIR", (dir / "blocker").c_str(), 1);
    EXPECT_FALSE(ProfileWriteString("t.ini", "A", "K", "1"));
    EXPECT_EQ(ProfileReadInt("t.ini", "A", "K", 7), 7);
    EXPECT_EQ(Get("blocker"), "x");

    // A directory where the file should be is neither read nor replaced.
    setenv("VELKARO_CONFIG_DIR", dir.c_str(), 1);
    std::filesystem::create_directory(dir / "d.ini");
    EXPECT_EQ(ProfileReadInt("d.ini", "A", "K", 7), 7);
    EXPECT_FALSE(ProfileWriteString("d.ini", "A", "K", "1"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "d.ini"));
}

TEST_F(ProfileTest, WriteThroughALinkKeepsTheLink) {
    std::filesystem::create_directory(dir / "kept");
    std::ofstream(dir / "kept" / "real.ini") << "[A]\nK=1\n";
    std::filesystem::create_symlink(dir / "kept" / "real.ini", dir / "t.ini");
    ASSERT_TRUE(ProfileWriteString("t.ini", "A", "K", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "t.ini"));
    EXPECT_EQ(Get("kept/real.ini"), "[A]\nK=2\n");
}

TEST_F(ProfileTest, SettingsDirectoryAndPathResolution) {
    EXPECT_EQ(SettingsDirectory(), dir.string());
    const char* oldHome = std::getenv("HOME");
    std::string savedHome = oldHome ? oldHome : "";
    unsetenv("VELKARO_CONFIG_DIR");
    setenv("XDG_CONFIG_HOME", "/xdg/conf", 1);
    EXPECT_EQ(SettingsDirectory(), "/xdg/conf");
    setenv("XDG_CONFIG_HOME", "relative", 1); // XDG says ignore a relative one
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(SettingsDirectory(), "/home/someone/.config");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsDirectory(), "/home/someone/.config");
    if (oldHome) setenv("HOME", savedHome.c_str(), 1);

    // The directory is made on the first write; names match without regard to case.
    setenv("VELKARO_CONFIG_DIR", (dir / "sub" / "deeper").c_str(), 1);
    EXPECT_EQ(ProfilePath("dravonel.ini"), (dir / "sub" / "deeper" / "dravonel.ini").string());
    EXPECT_TRUE(ProfileWriteString("DRAVONEL.INI", "Option", "Sound", "0"));
    EXPECT_EQ(ProfileReadInt("dravonel.ini", "Option", "Sound", 1), 0);
    EXPECT_EQ(ProfilePath("/abs/x.ini"), "/abs/x.ini");
}

} // namespace
