// GoogleTest main for the drawing tests: a QGuiApplication for fonts on the offscreen platform.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "platform/fonts.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
