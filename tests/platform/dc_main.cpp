// Drawing tests need a Qt application for fonts; it runs on the offscreen platform.
#include "platform/fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
