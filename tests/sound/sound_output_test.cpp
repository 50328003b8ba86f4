// The real output measured: effects, tones and the FluidSynth tunes recorded through SDL's disk
// audio driver and read back.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/sound_system.h"
#include "pcm_analysis.h"
#include "platform/audio/sdl_audio_output.h"
#include "recording_doubles.h"
#include "test_files.h"

namespace soundtest {
namespace {

constexpr int kRate = 44100;

// Wall time, sleeping while it waits, as the game's clock does.
struct SleepingClock final : platform::Clock {
    uint32_t Ticks() override
    {
        return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }
    void Idle(uint32_t) override { std::this_thread::sleep_for(std::chrono::microseconds(500)); }
};

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

class DiskOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        startDir = std::filesystem::current_path().string();
        dir = MakeTempDir();
        setenv("VELKARO_CONFIG_DIR", dir.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", (dir + "/out.raw").c_str(), 1);
        unsetenv("SDL_DISKAUDIODELAY");
        unsetenv("VELKARO_SOUNDFONT");
    }
    void TearDown() override
    {
        sound.reset();
        std::filesystem::current_path(startDir);
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("VELKARO_SOUNDFONT");
    }
    void Start()
    {
        sound = app::SoundSystem::CreateWithSdl(settings, clock);
        sound->SetObjectBallPocketed([this] { return pocketed; });
        sound->SetProgramDirectory([this] { return dir; });
        sound->LoadSoundTable();
        output = dynamic_cast<platform::SdlAudioOutput*>(&sound->Audio());
        ASSERT_NE(output, nullptr);
        ASSERT_TRUE(output->DeviceOpen());
    }
    // Closes the device and reads back what was recorded.
    std::vector<float> Recorded()
    {
        for (int waited = 0; output->EffectsPending() && waited < 5000; waited += 10)
            Sleep(10);
        Sleep(50);  // the last block on its way to the file
        output->CloseDevice();
        return ReadRawLeft(dir + "/out.raw");
    }
    std::string Status()
    {
        std::string answer;
        return sound->Media().Send("status xx mode", &answer, 16) == 0 ? answer : "error";
    }
    // The output keeps its own time, which a busy machine can hold back: poll instead of guessing.
    bool WaitForStatus(const std::string& wanted, int timeoutMs = 5000)
    {
        for (int waited = 0; waited < timeoutMs; waited += 20) {
            if (Status() == wanted)
                return true;
            Sleep(20);
        }
        return Status() == wanted;
    }

    std::string startDir, dir;
    app::AppSettings settings;
    SleepingClock clock;
    bool pocketed = false;
    std::unique_ptr<app::SoundSystem> sound;
    platform::SdlAudioOutput* output = nullptr;
};

struct Expected {
    double frequencyHz, durationMs;
};

std::string Describe(const std::vector<Segment>& segments)
{
    std::string text;
    for (const Segment& s : segments)
        text += std::to_string(int(s.startMs)) + "ms " + std::to_string(int(s.frequencyHz)) + "Hz " +
                std::to_string(s.durationMs) + "ms\n";
    return text;
}

void ExpectSegments(const std::vector<Segment>& got, const std::vector<Expected>& want)
{
    ASSERT_EQ(got.size(), want.size()) << Describe(got);
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_NEAR(got[i].frequencyHz, want[i].frequencyHz, want[i].frequencyHz * 0.02) << "segment " << i;
        EXPECT_NEAR(got[i].durationMs, want[i].durationMs, 5.0) << "segment " << i;
    }
}

TEST_F(DiskOutput, ToneModeEventsComeOutAtTheirPitchAndLength)
{
    settings.Sound = false;
    Start();
    for (int event = 0; event <= 10; ++event) {
        sound->PlayEffect(event);
        sound->Delay(event == 10 ? 250 : 60);
    }
    const std::vector<Expected> want = {
        {450, 20},                                                     // 0
        {1860, 1},                                                     // 1
        {440, 130}, {466, 100}, {494, 130}, {532, 100}, {554, 130},    // 2
        {2533, 1},                                                     // 3
        {698, 100}, {758, 20}, {850, 30},                              // 4
        {2900, 30},                                                    // 5
        {3500, 30},                                                    // 6
        {570, 20}, {655, 40}, {725, 20}, {904, 50},                    // 7
        {570, 20}, {655, 40}, {725, 20}, {904, 50},                    // 8 sounds like 7
        {698, 100}, {758, 20}, {850, 30},                              // 9 sounds like 4
        {platform::kBeepFrequencyHz, platform::kBeepDurationMs},       // 10: the default beep
    };
    ExpectSegments(FindSegments(Recorded(), kRate), want);
}

TEST_F(DiskOutput, AimingSwitchSilencesOnlyItsEventAndKillSoundSilencesAll)
{
    settings.Sound = false;
    settings.KyuSound = false;
    Start();
    sound->PlayEffect(app::IDSOUND_TOUCH);
    sound->Delay(60);
    sound->PlayEffect(app::IDSOUND_MOVE);
    sound->Delay(60);
    settings.KillSound = true;
    for (bool wave : {false, true}) {
        settings.Sound = wave;
        for (int event = 0; event <= 10; ++event)
            sound->PlayEffect(event);
    }
    WriteSineWave(dir + "/move.wav", 900, 100);
    sound->PlayEffect(app::IDSOUND_MOVE);
    sound->Delay(200);
    ExpectSegments(FindSegments(Recorded(), kRate), {{450, 20}});
}

TEST_F(DiskOutput, NextWaveCutsTheOneInProgress)
{
    WriteSineWave(dir + "/move.wav", 300, 1000);
    WriteSineWave(dir + "/bell1.wav", 1200, 300);
    Start();
    sound->PlayEffect(app::IDSOUND_MOVE);
    Sleep(200);
    sound->PlayEffect(app::IDSOUND_BELL);
    Sleep(600);
    const std::vector<Segment> got = FindSegments(Recorded(), kRate);
    ASSERT_EQ(got.size(), 2u) << Describe(got);
    EXPECT_NEAR(got[0].frequencyHz, 300, 6);
    EXPECT_GT(got[0].durationMs, 100);
    EXPECT_LT(got[0].durationMs, 700) << "cut off, not played to its end";
    EXPECT_NEAR(got[1].frequencyHz, 1200, 24);
    EXPECT_NEAR(got[1].durationMs, 300, 5) << "the new one whole, at once";
    EXPECT_NEAR(got[1].startMs, got[0].startMs + got[0].durationMs, 1.0) << "no gap";
}

TEST_F(DiskOutput, GoalLockKeepsThePocketSound)
{
    WriteSineWave(dir + "/goal.wav", 600, 2000);
    WriteSineWave(dir + "/bell1.wav", 1500, 300);
    WriteSineWave(dir + "/move.wav", 900, 100);
    Start();
    pocketed = true;
    const uint32_t t0 = clock.Ticks();
    sound->PlayEffect(app::IDSOUND_GOAL);
    Sleep(500);
    sound->PlayEffect(app::IDSOUND_BELL);  // dropped
    while (clock.Ticks() - t0 < 1300)
        Sleep(1);
    sound->PlayEffect(app::IDSOUND_BELL);  // plays and releases the lock
    Sleep(50);
    sound->PlayEffect(app::IDSOUND_MOVE);  // at once
    Sleep(300);
    const std::vector<Segment> got = FindSegments(Recorded(), kRate);
    ASSERT_EQ(got.size(), 3u) << Describe(got);
    EXPECT_NEAR(got[0].frequencyHz, 600, 12);
    EXPECT_GT(got[0].durationMs, 900) << "the effect at 500 ms did not cut the pocket sound";
    EXPECT_LT(got[0].durationMs, 1900) << "the one at 1300 ms did";
    EXPECT_NEAR(got[1].frequencyHz, 1500, 30);
    EXPECT_LT(got[1].durationMs, 280) << "and the next one cut it in turn";
    EXPECT_NEAR(got[2].frequencyHz, 900, 18);
    EXPECT_NEAR(got[2].durationMs, 100, 5);
}

// The play tune through FluidSynth: it ends, is reported stopped at once, and the timer's
// restart brings it back; effects stay silenced meanwhile.
TEST_F(DiskOutput, PlayTuneEndsAndIsRestarted)
{
    WriteOneNoteMidi(dir + "/start1.mid", 500);
    settings.KillSound = true;
    Start();
    RecordingTimerOwner view;
    sound->StartPlayMusic(view);
    EXPECT_EQ(view.starts, (std::vector<std::pair<int, int>>{{1025, 2000}}));
    EXPECT_EQ(Status(), "playing");
    sound->StartPlayMusic(view);
    EXPECT_EQ(view.starts.size(), 1u) << "a playing tune is left alone";
    EXPECT_TRUE(WaitForStatus("stopped"));
    sound->PlayEffect(app::IDSOUND_CHEER);
    sound->RestartIfStopped();
    EXPECT_EQ(Status(), "playing");
    Sleep(300);
    const std::vector<float> pcm = Recorded();
    EXPECT_GT(Rms(pcm, kRate, 0, pcm.size() * 1000.0 / kRate), 0.005) << "the synthesiser is heard";
}

TEST_F(DiskOutput, MissingTuneFailsOpenAndIsTriedAgainAtTheNextPaint)
{
    Start();
    RecordingTimerOwner view;
    sound->StartPlayMusic(view);
    EXPECT_EQ(Status(), "error");
    EXPECT_EQ(view.starts.size(), 1u);
    WriteOneNoteMidi(dir + "/start1.mid", 300);
    sound->StartPlayMusic(view);
    EXPECT_EQ(Status(), "playing");
}

struct Degraded {
    const char* name;
    const char* driver;
    const char* soundFont;
};

// Without a sound bank or without any audio device the tunes still keep their time, silently.
TEST_F(DiskOutput, TunesKeepTheirTimeWithoutBankOrDevice)
{
    const Degraded cases[] = {
        {"no sound bank", "disk", "/nonexistent/bank.sf2"},
        {"no audio device", "no-such-driver", nullptr},
    };
    for (const Degraded& c : cases) {
        SCOPED_TRACE(c.name);
        setenv("SDL_AUDIODRIVER", c.driver, 1);
        if (c.soundFont)
            setenv("VELKARO_SOUNDFONT", c.soundFont, 1);
        else
            unsetenv("VELKARO_SOUNDFONT");
        WriteOneNoteMidi(dir + "/start1.mid", 300);
        Start();
        RecordingTimerOwner view;
        sound->StartPlayMusic(view);
        EXPECT_EQ(Status(), "playing");
        EXPECT_TRUE(WaitForStatus("stopped"));
        if (c.soundFont) {
            const std::vector<float> pcm = Recorded();
            EXPECT_LT(Rms(pcm, kRate, 0, pcm.size() * 1000.0 / kRate), 1e-4);
        }
        sound.reset();
    }
}

} // namespace
} // namespace soundtest
