// The music's command strings for every trigger, on a recording media-control device.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/settings.h"
#include "sound_fixture.h"

namespace soundtest {
namespace {

using Commands = std::vector<std::string>;

class MusicCommands : public SoundFixture {
protected:
    void SetUp() override
    {
        SoundFixture::SetUp();
        sound->LoadSoundTable();
    }
    RecordingTimerOwner view;
};

TEST_F(MusicCommands, EachTriggerSendsItsSequence)
{
    Ini("[MIDI]\nIDMIDI_SELECT=select_tune_long_name.mid\nIDMIDI_PLAY1=play.mid\n");
    sound->LoadSoundTable();
    struct Case {
        const char* name;
        std::function<void()> trigger;
        Commands withMusic;
    };
    const Case cases[] = {
        {"selection", [&] { sound->StartSelectionMusic(); },
         // The name is read again into 20 bytes.
         {"close xx", "close yy", "open select_tune_long_na alias xx type sequencer", "play xx from 0"}},
        {"sheet closed", [&] { sound->EndSelectionMusic(); }, {"close xx"}},
        {"play", [&] { sound->StartPlayMusic(view); },
         {"close yy", "status xx mode", "close xx", "open play.mid type sequencer alias xx", "play xx from 0"}},
        {"fanfare", [&] { sound->PlayFanfare(); },
         {"close yy", "close xx", "open fineplay.mid type sequencer alias xx", "play xx from 0"}},
    };
    for (bool music : {true, false}) {
        for (const Case& c : cases) {
            settings.Music = music;
            media->commands.clear();
            c.trigger();
            EXPECT_EQ(media->commands, music ? c.withMusic : Commands{}) << c.name << " Music " << music;
        }
    }
}

TEST_F(MusicCommands, PlayMusicLeavesAPlayingTuneAlone)
{
    struct Case {
        std::string status;
        bool fails;
        bool restarts;
    };
    const Case cases[] = {
        {"playing", false, false},
        {"stopped", false, true},
        {"paused", false, true},
        {"", true, true},  // no device open yet
    };
    for (const Case& c : cases) {
        media->status = c.status;
        media->statusFails = c.fails;
        media->commands.clear();
        view.starts.clear();
        sound->StartPlayMusic(view);
        EXPECT_EQ(media->commands.size(), c.restarts ? 5u : 2u) << c.status;
        EXPECT_EQ(view.starts.size(), c.restarts ? 1u : 0u) << c.status;
        if (c.restarts) {
            EXPECT_EQ(view.starts[0], std::make_pair(1025, 2000));
        }
    }
}

TEST_F(MusicCommands, PlayMusicOpensTheTuneInTheProgramDirectory)
{
    const std::string start = std::filesystem::current_path().string();
    const std::string programDir = MakeTempDir();
    sound->SetProgramDirectory([&] { return programDir; });
    sound->StartPlayMusic(view);
    EXPECT_EQ(std::filesystem::canonical(std::filesystem::current_path()), std::filesystem::canonical(programDir));
    std::filesystem::current_path(start);
}

TEST_F(MusicCommands, RestartOnlyAStoppedTune)
{
    struct Case {
        std::string status;
        bool fails;
        Commands expected;
    };
    const Case cases[] = {
        {"stopped", false, {"status xx mode", "play xx from 0"}},
        {"playing", false, {"status xx mode"}},
        {"", true, {"status xx mode"}},
    };
    for (bool music : {true, false}) {
        for (const Case& c : cases) {
            settings.Music = music;
            media->status = c.status;
            media->statusFails = c.fails;
            media->commands.clear();
            sound->RestartIfStopped();
            EXPECT_EQ(media->commands, c.expected) << c.status << " Music " << music;
        }
    }
}

TEST_F(MusicCommands, MusicOffForTheWholeRunNeverStartsTheTimer)
{
    settings.Music = false;
    for (int paint = 0; paint < 3; ++paint)
        sound->StartPlayMusic(view);
    sound->PlayFanfare();
    EXPECT_TRUE(media->commands.empty());
    EXPECT_TRUE(view.starts.empty());
}

TEST_F(MusicCommands, MusicCheckBoxTurnsTheTuneOverAndWritesTheKey)
{
    Ini("[MIDI]\nIDMIDI_SELECT=sheet.mid\n");
    settings.Music = true;
    sound->ToggleMusic();
    EXPECT_FALSE(settings.Music);
    EXPECT_EQ(app::ReadInt("Option", "Music", 7), 0);
    EXPECT_EQ(media->commands, (Commands{"close xx", "close yy"}));

    media->commands.clear();
    sound->ToggleMusic();
    EXPECT_TRUE(settings.Music);
    EXPECT_EQ(app::ReadString("Option", "Music", "", 10), "1");
    EXPECT_EQ(media->commands,
              (Commands{"close xx", "close yy", "open sheet.mid type sequencer alias xx", "play xx from 0"}));
}

TEST_F(MusicCommands, SilenceSwitchOnAfterOk)
{
    platform::ScriptedMessageBoxes boxes;
    boxes.answers = {platform::IDOK};
    const app::SilenceSwitchResult r = sound->ToggleSilence(boxes);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, app::kSilenceQuestion);
    EXPECT_EQ(boxes.shown[0].type, unsigned(platform::MB_OKCANCEL | platform::MB_ICONQUESTION));
    EXPECT_EQ(boxes.shown[0].caption, "Velkaro Ver1.20");
    EXPECT_FALSE(r.cancelled);
    EXPECT_TRUE(settings.KillSound);
    EXPECT_FALSE(settings.Music);
    EXPECT_FALSE(settings.KyuSound);
    EXPECT_EQ(app::ReadString("Option", "KillSound", "", 10), "1");
    EXPECT_EQ(app::ReadString("Option", "KyuSound", "", 10), "0");
    EXPECT_EQ(app::ReadString("Option", "Music", "", 10), "0");
    EXPECT_EQ(media->commands, (Commands{"close xx", "close yy"}));
    EXPECT_TRUE(r.page.silence && r.page.silencedPicture && !r.page.music && !r.page.aimingSound);
}

TEST_F(MusicCommands, SilenceSwitchCancelledWritesNothing)
{
    platform::ScriptedMessageBoxes boxes;
    boxes.answers = {platform::IDCANCEL};
    const app::SilenceSwitchResult r = sound->ToggleSilence(boxes);
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(settings.KillSound);
    EXPECT_TRUE(settings.Music);
    EXPECT_TRUE(settings.KyuSound);
    EXPECT_FALSE(std::filesystem::exists(configDir + "/dravonel.ini"));
    EXPECT_TRUE(media->commands.empty());
}

TEST_F(MusicCommands, SilenceSwitchOffRestoresFlagsButStartsNoTune)
{
    settings.KillSound = true;
    settings.Music = false;
    settings.KyuSound = false;
    platform::ScriptedMessageBoxes boxes;
    const app::SilenceSwitchResult r = sound->ToggleSilence(boxes);
    EXPECT_TRUE(boxes.shown.empty()) << "no question when switching off";
    EXPECT_FALSE(r.cancelled);
    EXPECT_TRUE(settings.Music && settings.KyuSound && !settings.KillSound);
    EXPECT_EQ(app::ReadString("Option", "KillSound", "", 10), "0");
    EXPECT_EQ(app::ReadString("Option", "KyuSound", "", 10), "1");
    EXPECT_EQ(app::ReadString("Option", "Music", "", 10), "1");
    EXPECT_TRUE(media->commands.empty());
    EXPECT_TRUE(!r.page.silence && !r.page.silencedPicture && r.page.music && r.page.aimingSound);
}

// Music goes on following Music while every effect is silenced.
TEST_F(MusicCommands, KillSoundLeavesMusicToTheMusicSwitch)
{
    settings.KillSound = true;
    settings.Music = true;
    sound->PlayEffect(app::IDSOUND_GOAL);
    sound->StartPlayMusic(view);
    EXPECT_TRUE(audio->calls.empty());
    EXPECT_EQ(media->commands.size(), 5u);
}

} // namespace
} // namespace soundtest
