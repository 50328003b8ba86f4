// Machine queries: screen, version and keyboard stand-ins, memory, free space, beep.
#include "platform/machine.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
std::optional<QSize> screenOverride;
}

QSize ScreenSize()
{
    if (screenOverride)
        return *screenOverride;
    if (const char* value = std::getenv("VELKARO_SCREEN_SIZE")) {
        int w = 0, h = 0;
        if (std::sscanf(value, "%dx%d", &w, &h) == 2 && w > 0 && h > 0)
            return QSize(w, h);
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return screen->size();
    return QSize(1024, 768);
}

void SetScreenSizeForTest(std::optional<QSize> size) { screenOverride = size; }

PlatformVersion GetPlatformVersion()
{
    PlatformVersion version;
    if (const char* value = std::getenv("VELKARO_PLATFORM_VERSION")) {
        PlatformVersion parsed;
        if (std::sscanf(value, "%d.%d.%d", &parsed.kind, &parsed.major, &parsed.minor) == 3)
            version = parsed;
    }
    return version;
}

namespace {
std::pair<int, int> Keyboard()
{
    std::pair<int, int> keyboard{4, 0};
    if (const char* value = std::getenv("VELKARO_KEYBOARD")) {
        int type = 0, subtype = 0;
        if (std::sscanf(value, "%i:%i", &type, &subtype) == 2)
            keyboard = {type, subtype};
    }
    return keyboard;
}
} // namespace

int GetKeyboardType() { return Keyboard().first; }
int GetKeyboardSubtype() { return Keyboard().second; }

DialogBaseUnits GetDialogBaseUnits() { return {}; }

uint64_t TotalPhysicalMemoryBytes()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? uint64_t(pages) * uint64_t(pageSize) : 0;
}

std::optional<uint64_t> FreeDiskBytes(const std::string& path)
{
    struct statvfs info {};
    if (statvfs(path.c_str(), &info) != 0)
        return std::nullopt;
    return uint64_t(info.f_bavail) * uint64_t(info.f_frsize);
}

void MessageBeep()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

} // namespace platform
