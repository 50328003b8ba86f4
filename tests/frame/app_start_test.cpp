// The application object's start: the switches it looks at and the frame it shows.
#include "app/kavrel_app.h"
#include "frame/command_ids.h"
#include "frame/main_frame.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

TEST(AppStartTest, OnlyTheEmbeddingAndAutomationSwitchesSkipTheHint) {
    struct Case { QStringList args; bool skip; };
    const Case cases[] = {
        {{"dravonel"}, false},
        {{"dravonel", "/Embedding"}, true},
        {{"dravonel", "-embedding"}, true},
        {{"dravonel", "/AUTOMATION"}, true},
        {{"dravonel", "Embedding"}, false},   // a bare word is a file name, not a switch
        {{"dravonel", "/Embeddings"}, false},
        {{"/Embedding"}, false},              // the program's own name is not looked at
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::HasAutomationSwitch(c.args), c.skip) << c.args.join(' ').toStdString();
}

TEST(AppStartTest, StartShowsTheFrameReadsSoundAndAnswersExit) {
    const auto dir = std::filesystem::temp_directory_path() / "velkaro-app-start";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "dravonel.ini") << "[Option]\r\nSound=2\r\n";
    setenv("VELKARO_CONFIG_DIR", dir.c_str(), 1);

    app::CKavrelApp theApp;
    ASSERT_TRUE(theApp.InitInstance({"dravonel"}));
    EXPECT_FALSE(theApp.Settings().Sound); // 2 is not 1: tones instead of wave files
    ASSERT_NE(theApp.MainFrame(), nullptr);
    EXPECT_TRUE(theApp.MainFrame()->isVisible());
    EXPECT_GT(theApp.Metrics().FrameWidth, 0);
    EXPECT_EQ(theApp.Metrics().CardStripHeight, 960);
    QCoreApplication::processEvents();
    const QImage& surface = theApp.MainFrame()->View().Surface().Image();
    EXPECT_EQ(surface.pixel(surface.width() / 2, surface.height() / 2), qRgb(0, 128, 64));
    EXPECT_TRUE(theApp.Commands().Has(frame::kCmdExit));

    unsetenv("VELKARO_CONFIG_DIR");
    std::filesystem::remove_all(dir);
}

} // namespace
