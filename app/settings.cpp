// The settings file "dravonel.ini": key reads and writes, and loading AppSettings from it.
#include "app/settings.h"

#include "platform/profile.h"

namespace app {

int ReadInt(const std::string& section, const std::string& key, int defaultValue) {
    return platform::ProfileReadInt(kSettingsFile, section, key, defaultValue);
}

std::string ReadString(const std::string& section, const std::string& key,
                       const std::string& defaultValue, int capacity) {
    return platform::ProfileReadString(kSettingsFile, section, key, defaultValue, capacity);
}

bool WriteString(const std::string& section, const std::string& key, const std::string& text) {
    return platform::ProfileWriteString(kSettingsFile, section, key, text);
}

namespace {

bool ReadFlag(const char* key, int defaultValue) { return ReadInt("Option", key, defaultValue) == 1; }

} // namespace

AppSettings LoadAppSettings() {
    AppSettings s;
    s.Sound = ReadFlag("Sound", 1);
    s.Music = ReadFlag("Music", 1);
    s.KyuSound = ReadFlag("KyuSound", 1);
    s.KillSound = ReadFlag("KillSound", 0);
    s.ProMode = ReadFlag("ProMode", 1);
    s.ShotMode = ReadInt("Option", "ShotMode", 1);
    s.GameSpeed = ReadInt("Option", "GameSpeed", 5);
    s.VsComputer = ReadInt("Option", "Computer", 1);
    s.ShowComputerCard = ReadInt("Option", "ShowComputerCard", 0);
    s.UserLevel = ReadInt("User", "UserLevel", 2);
    return s;
}

} // namespace app
