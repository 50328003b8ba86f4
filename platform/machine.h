// What the game asks of the machine: screen size, platform version, keyboard, memory, disk, beep.
#pragma once
#include <QSize>

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The primary screen in pixels; $VELKARO_SCREEN_SIZE ("1024x768") or a test override first.
QSize ScreenSize();
void SetScreenSizeForTest(std::optional<QSize> size);

// The system's version answer. This port answers as Windows 95 4.0 (kind 1), so the game takes
// its ordinary drawing branch; $VELKARO_PLATFORM_VERSION ("kind.major.minor") overrides it.
struct PlatformVersion {
    int kind = 1;
    int major = 4;
    int minor = 0;
};
PlatformVersion GetPlatformVersion();

// Keyboard type and subtype: 4 (the 101/102-key enhanced keyboard) and 0, which make the game
// take its PC/AT-compatible branch; $VELKARO_KEYBOARD ("type:subtype") overrides them.
int GetKeyboardType();
int GetKeyboardSubtype();

// Dialog base units of the system font in pixels: 8 wide, 16 high (the Japanese system font),
// fixed so that the table's scale does not depend on the desktop's fonts.
struct DialogBaseUnits {
    int horizontal = 8;
    int vertical = 16;
};
DialogBaseUnits GetDialogBaseUnits();

uint64_t TotalPhysicalMemoryBytes();
// Free bytes on the file system holding `path`; nothing when it cannot be read.
std::optional<uint64_t> FreeDiskBytes(const std::string& path);

// The standard system beep.
void MessageBeep();

} // namespace platform
