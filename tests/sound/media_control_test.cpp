// The media-control command interpreter over a scripted sequencer.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/audio/file_case.h"
#include "platform/audio/media_control.h"
#include "test_files.h"

namespace soundtest {
namespace {

using namespace platform;

struct FakeSequencer final : MidiSequencer {
    bool Open(const std::string& path) override
    {
        log.push_back("open " + path);
        return std::filesystem::exists(path);
    }
    void Close() override { log.push_back("close"); playing = false; }
    bool PlayFromStart() override { log.push_back("play"); playing = true; return true; }
    bool IsPlaying() override { return playing; }
    std::vector<std::string> log;
    bool playing = false;
};

class MediaCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        start = std::filesystem::current_path().string();
        dir = MakeTempDir();
        std::filesystem::current_path(dir);
        WriteText("tune.mid", "MThd");
    }
    void TearDown() override { std::filesystem::current_path(start); }
    std::string Status(int capacity = 16)
    {
        std::string answer = "junk";
        const int r = mci.Send("status xx mode", &answer, capacity);
        return r == kMediaOk ? answer : "error " + answer;
    }
    std::string start, dir;
    FakeSequencer seq;
    MediaCommandInterpreter mci{seq};
};

TEST_F(MediaCommands, BothOpenFormsGiveTheAlias)
{
    for (const char* open : {"open tune.mid alias xx type sequencer", "open tune.mid type sequencer alias xx",
                             "OPEN tune.mid Type Sequencer Alias XX"}) {
        ASSERT_EQ(mci.Send(open), kMediaOk) << open;
        EXPECT_EQ(Status(), "stopped") << "opened, not yet played";
        ASSERT_EQ(mci.Send("play xx from 0"), kMediaOk);
        EXPECT_EQ(Status(), "playing");
        ASSERT_EQ(mci.Send("close xx"), kMediaOk);
        EXPECT_EQ(Status(), "error ") << "closed";
    }
}

TEST_F(MediaCommands, FailuresChangeNothing)
{
    ASSERT_EQ(mci.Send("open tune.mid alias xx type sequencer"), kMediaOk);
    ASSERT_EQ(mci.Send("play xx from 0"), kMediaOk);
    seq.log.clear();
    const struct {
        const char* command;
        int error;
    } cases[] = {
        {"close yy", kMediaNoSuchDevice},
        {"play yy from 0", kMediaNoSuchDevice},
        {"status yy mode", kMediaNoSuchDevice},
        {"open tune.mid alias xx type sequencer", kMediaAliasInUse},
        {"open tune.mid alias zz type sequencer", kMediaDeviceBusy},
        {"open tune.mid alias zz type waveaudio", kMediaUnsupportedType},
        {"open", kMediaMissingParameter},
        {"status xx", kMediaMissingParameter},
        {"status xx length", kMediaBadParameter},
        {"play xx from 10", kMediaBadParameter},
        {"rewind xx", kMediaUnknownCommand},
        {"", kMediaUnknownCommand},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mci.Send(c.command), c.error) << c.command;
    EXPECT_TRUE(seq.log.empty()) << "the sequencer was not touched";
    EXPECT_EQ(Status(), "playing");
}

TEST_F(MediaCommands, MissingFileFailsOpenAndLeavesNoDevice)
{
    EXPECT_EQ(mci.Send("open nothere.mid type sequencer alias xx"), kMediaCannotOpenFile);
    EXPECT_EQ(mci.Send("play xx from 0"), kMediaNoSuchDevice);
    EXPECT_EQ(Status(), "error ");
    EXPECT_EQ(mci.Send("open tune.mid type sequencer alias xx"), kMediaOk) << "the alias is free";
}

TEST_F(MediaCommands, AnswerIsCutToCapacity)
{
    mci.Send("open tune.mid alias xx type sequencer");
    mci.Send("play xx from 0");
    EXPECT_EQ(Status(16), "playing");
    EXPECT_EQ(Status(8), "playing");
    EXPECT_EQ(Status(4), "pla");
    EXPECT_EQ(Status(0), "");
}

TEST_F(MediaCommands, FileNamesMatchWithoutLetterCase)
{
    WriteText("Fanfare.MID", "MThd");
    ASSERT_EQ(mci.Send("open fanfare.mid type sequencer alias xx"), kMediaOk);
    EXPECT_EQ(seq.log.back(), "open Fanfare.MID");
    EXPECT_EQ(ResolveNoCase(dir + "/FANFARE.mid"), dir + "/Fanfare.MID");
    EXPECT_EQ(ResolveNoCase("none.mid"), "none.mid");
}

} // namespace
} // namespace soundtest
