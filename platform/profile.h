// Private profile (INI) files read and written key by key, as the game's settings store.
#pragma once
#include <string>

namespace platform {

// The directory that holds the game's settings files: $VELKARO_CONFIG_DIR when set (tests),
// else $XDG_CONFIG_HOME, else ~/.config. The game and the installer both resolve through this.
std::string SettingsDirectory();

// A bare file name ("dravonel.ini") resolved into SettingsDirectory(); a path with a '/' is used
// as it is.
std::string ProfilePath(const std::string& fileName);

// Sections and keys match without regard to ASCII letter case. Values are bytes as stored (the
// files are Shift-JIS); nothing is converted.
int ProfileReadInt(const std::string& fileName, const std::string& section, const std::string& key,
                   int defaultValue);
std::string ProfileReadString(const std::string& fileName, const std::string& section,
                              const std::string& key, const std::string& defaultValue, int capacity);
// Creates the file, section or key as needed and replaces only that key's value; every other byte
// of the file is kept. Returns false when the file could not be written.
bool ProfileWriteString(const std::string& fileName, const std::string& section,
                        const std::string& key, const std::string& text);

} // namespace platform
