// Pointer confinement and the machine stand-ins the start-up checks read.
#include "platform/cursor.h"
#include "platform/machine.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Cursor, ClipKeepsThePointerInsideLeavingOutRightAndBottom)
{
    platform::ClipCursor(QRect(QPoint(100, 50), QPoint(199, 149)));
    struct Case { QPoint in, out; };
    const Case cases[] = {{{150, 100}, {150, 100}}, {{0, 0}, {100, 50}}, {{500, 120}, {199, 120}},
                          {{120, 1000}, {120, 149}}, {{199, 149}, {199, 149}}};
    for (const Case& c : cases)
        EXPECT_EQ(platform::ClampToClip(c.in), c.out);
    platform::ClipCursor(std::nullopt);
    EXPECT_EQ(platform::ClampToClip(QPoint(0, 0)), QPoint(0, 0));
    EXPECT_FALSE(platform::GetClipCursor());
}

TEST(Machine, StandInsTakeTheOrdinaryBranchUnlessOverridden)
{
    unsetenv("VELKARO_KEYBOARD");
    unsetenv("VELKARO_PLATFORM_VERSION");
    EXPECT_NE(platform::GetKeyboardType(), 7);
    const platform::PlatformVersion version = platform::GetPlatformVersion();
    EXPECT_EQ(version.kind, 1);
    EXPECT_EQ(version.major, 4);
    EXPECT_EQ(version.minor, 0);

    setenv("VELKARO_KEYBOARD", "7:0x0D01", 1);
    setenv("VELKARO_PLATFORM_VERSION", "2.3.51", 1);
    EXPECT_EQ(platform::GetKeyboardType(), 7);
    EXPECT_EQ(platform::GetKeyboardSubtype(), 0x0D01);
    EXPECT_EQ(platform::GetPlatformVersion().kind, 2);
    EXPECT_EQ(platform::GetPlatformVersion().minor, 51);
    unsetenv("VELKARO_KEYBOARD");
    unsetenv("VELKARO_PLATFORM_VERSION");

    platform::SetScreenSizeForTest(QSize(640, 480));
    EXPECT_EQ(platform::ScreenSize(), QSize(640, 480));
    platform::SetScreenSizeForTest(std::nullopt);
    EXPECT_GT(platform::TotalPhysicalMemoryBytes(), 0u);
    EXPECT_TRUE(platform::FreeDiskBytes("/"));
    EXPECT_FALSE(platform::FreeDiskBytes("/no/such/directory/here"));
}

} // namespace
