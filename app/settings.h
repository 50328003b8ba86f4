// The settings file "dravonel.ini" and the in-memory settings record AppSettings.
#pragma once
#include <string>

namespace app {

inline constexpr const char* kSettingsFile = "dravonel.ini";
inline constexpr const char* kUserLevelCopyFile = "dravonel.ini.INI";

int ReadInt(const std::string& section, const std::string& key, int defaultValue);
std::string ReadString(const std::string& section, const std::string& key,
                       const std::string& defaultValue, int capacity);
// A failed write is ignored by the callers: the member in AppSettings keeps the new value.
bool WriteString(const std::string& section, const std::string& key, const std::string& text);

// One member per key of section Option and User; a flag is on only when its stored value is 1.
struct AppSettings {
    bool Sound = true;
    bool Music = true;
    bool KyuSound = true;
    bool KillSound = false;
    bool ProMode = true;
    int ShotMode = 1;
    int UserLevel = 2;
    int GameSpeed = 5;
    int VsComputer = 1;
    int ShowComputerCard = 0;
};

// Reads every member from the file with its default (what constructing the settings sheet does).
AppSettings LoadAppSettings();

} // namespace app
