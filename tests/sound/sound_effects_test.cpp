// The sound-file table and PlayEffect: switches, goal lock, waves and tones, on recording doubles.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/settings.h"
#include "sound_fixture.h"

namespace soundtest {
namespace {

using Calls = std::vector<std::string>;

class SoundEffects : public SoundFixture {};

TEST_F(SoundEffects, TableDefaultsWithoutSettingsFile)
{
    sound->LoadSoundTable();
    const char* expected[] = {"move.wav",  "bell1.wav",  "clapping.wav", "touch.wav", "goal.wav",
                              "shoot.wav", "shoot2.wav", "point.wav",    "point2.wav", "plus1.wav",
                              "start.mid", "start1.mid", "start2.mid",   "", "", "", ""};
    for (int slot = 0; slot < app::kSoundFileSlots; ++slot)
        EXPECT_EQ(sound->soundFiles[slot], expected[slot]) << "slot " << slot;
    EXPECT_FALSE(std::filesystem::exists(configDir + "/dravonel.ini"));
}

TEST_F(SoundEffects, TableTakesNamesFromFileCutTo79)
{
    const std::string longName(100, 'a');
    Ini("[sound]\nidsound_goal=Pocket.WAV\nIDSOUND_Point2=" + longName + "\n[MIDI]\nIDMIDI_PLAY1=tune.mid\n");
    sound->LoadSoundTable();
    EXPECT_EQ(sound->soundFiles[app::IDSOUND_GOAL], "Pocket.WAV");
    EXPECT_EQ(sound->soundFiles[app::IDSOUND_Point2], longName.substr(0, 79));
    EXPECT_EQ(sound->soundFiles[app::kSlotPlayTune], "tune.mid");
    EXPECT_EQ(sound->soundFiles[app::IDSOUND_MOVE], "move.wav");
}

// Wave mode: stop the wave in progress, then start the event's file.
TEST_F(SoundEffects, WaveModeStopsThenStartsEachEventsFile)
{
    sound->LoadSoundTable();
    for (int event = 0; event <= 9; ++event) {
        audio->calls.clear();
        sound->PlayEffect(event);
        EXPECT_EQ(audio->calls, (Calls{"stop", "wave " + sound->soundFiles[event]})) << event;
    }
    EXPECT_EQ(clock.Ticks(), 500000u) << "wave mode never waits";
}

struct SwitchCase {
    bool sound, kyu, kill;
    int event;
    Calls expected;
};

TEST_F(SoundEffects, SwitchesDecideWhatSounds)
{
    const SwitchCase cases[] = {
        {true, false, false, 3, {}},
        {true, false, false, 4, {"stop", "wave goal.wav"}},
        {false, false, false, 3, {}},
        {false, false, false, 0, {"tone 450 20"}},
        {true, true, true, 4, {}},
        {true, true, true, 3, {}},
        {false, true, true, 2, {}},
        {false, true, true, 10, {}},
        {true, true, false, 3, {"stop", "wave touch.wav"}},
        {false, true, false, 3, {"tone 2533 1"}},
    };
    sound->LoadSoundTable();
    for (const SwitchCase& c : cases) {
        settings.Sound = c.sound;
        settings.KyuSound = c.kyu;
        settings.KillSound = c.kill;
        audio->calls.clear();
        sound->PlayEffect(c.event);
        EXPECT_EQ(audio->calls, c.expected)
            << "Sound " << c.sound << " KyuSound " << c.kyu << " KillSound " << c.kill << " event " << c.event;
    }
}

TEST_F(SoundEffects, GoalLockHoldsOtherWavesFor1200ms)
{
    sound->LoadSoundTable();
    pocketed = true;
    sound->PlayEffect(app::IDSOUND_GOAL);
    EXPECT_EQ(sound->lastGoalTick, 500000u);
    clock.Advance(500);
    audio->calls.clear();
    sound->PlayEffect(app::IDSOUND_BELL);
    EXPECT_TRUE(audio->calls.empty()) << "dropped inside the lock";
    clock.Set(500000 + 1199);
    sound->PlayEffect(app::IDSOUND_MOVE);
    EXPECT_TRUE(audio->calls.empty());
    clock.Set(500000 + 1300);
    sound->PlayEffect(app::IDSOUND_BELL);
    EXPECT_EQ(audio->calls, (Calls{"stop", "wave bell1.wav"}));
    EXPECT_EQ(sound->lastGoalTick, 0u) << "released";
    sound->PlayEffect(app::IDSOUND_MOVE);
    EXPECT_EQ(audio->calls.back(), "wave move.wav") << "the next one plays at once";
}

TEST_F(SoundEffects, GoalLockOnlyWhileABallIsDownAndOnlyForWaves)
{
    sound->LoadSoundTable();
    pocketed = true;
    sound->PlayEffect(app::IDSOUND_GOAL);
    pocketed = false;
    clock.Advance(100);
    audio->calls.clear();
    sound->PlayEffect(app::IDSOUND_BELL);
    EXPECT_EQ(audio->calls, (Calls{"stop", "wave bell1.wav"})) << "no ball down: no lock";
    EXPECT_EQ(sound->lastGoalTick, 500000u) << "and the lock stays armed";

    pocketed = true;
    settings.Sound = false;
    audio->calls.clear();
    sound->PlayEffect(app::IDSOUND_MOVE);
    EXPECT_EQ(audio->calls, (Calls{"tone 450 20"})) << "tone mode has no lock";
}

// The game's tick counter starts at 0 with the process: a lock that was never armed must not
// hold effects back in the first 1200 ms.
TEST_F(SoundEffects, NoLockBeforeThePocketSoundEverPlayed)
{
    sound->LoadSoundTable();
    pocketed = true;
    clock.Set(300);
    sound->PlayEffect(app::IDSOUND_BELL);
    EXPECT_EQ(audio->calls, (Calls{"stop", "wave bell1.wav"}));
}

TEST_F(SoundEffects, GoalLockSurvivesTickWrap)
{
    sound->LoadSoundTable();
    pocketed = true;
    clock.Set(0xFFFFFF00u);
    sound->PlayEffect(app::IDSOUND_GOAL);
    clock.Set(0x00000100u);  // 512 ms later, across the wrap
    audio->calls.clear();
    sound->PlayEffect(app::IDSOUND_BELL);
    EXPECT_TRUE(audio->calls.empty());
    clock.Set(0x00000100u + 800);
    sound->PlayEffect(app::IDSOUND_BELL);
    EXPECT_EQ(audio->calls, (Calls{"stop", "wave bell1.wav"}));
}

TEST_F(SoundEffects, ToneModePlaysSequencesAndWaitsForThem)
{
    settings.Sound = false;
    struct Case {
        int event;
        Calls tones;
        uint32_t waitedMs;
    };
    const Case cases[] = {
        {0, {"tone 450 20"}, 20},
        {1, {"tone 1860 1"}, 1},
        {2, {"tone 440 130", "tone 466 100", "tone 494 130", "tone 532 100", "tone 554 130"}, 590},
        {4, {"tone 698 100", "tone 758 20", "tone 850 30"}, 150},
        {5, {"tone 2900 30"}, 30},
        {6, {"tone 3500 30"}, 30},
        {7, {"tone 570 20", "tone 655 40", "tone 725 20", "tone 904 50"}, 130},
        {8, {"tone 570 20", "tone 655 40", "tone 725 20", "tone 904 50"}, 130},
        {9, {"tone 698 100", "tone 758 20", "tone 850 30"}, 150},
        {10, {"beep"}, 0},
        {16, {"beep"}, 0},
    };
    for (const Case& c : cases) {
        audio->calls.clear();
        const uint32_t before = clock.Ticks();
        sound->PlayEffect(c.event);
        EXPECT_EQ(audio->calls, c.tones) << "event " << c.event;
        EXPECT_EQ(clock.Ticks() - before, c.waitedMs) << "event " << c.event;
    }
}

// Waves are found in the program directory once the document has recorded it.
TEST_F(SoundEffects, WavesPlayFromTheProgramDirectory)
{
    const std::string start = std::filesystem::current_path().string();
    const std::string programDir = MakeTempDir();
    std::string recorded;
    sound->SetProgramDirectory([&] { return recorded; });
    sound->LoadSoundTable();
    sound->PlayEffect(app::IDSOUND_MOVE);
    recorded = programDir;
    sound->PlayEffect(app::IDSOUND_MOVE);
    ASSERT_EQ(audio->waveDirs.size(), 2u);
    EXPECT_EQ(audio->waveDirs[0], start) << "not recorded yet: left alone";
    EXPECT_EQ(std::filesystem::canonical(audio->waveDirs[1]), std::filesystem::canonical(programDir));
    std::filesystem::current_path(start);
}

TEST_F(SoundEffects, SlotsBeyondTheTableAreSilentInWaveMode)
{
    sound->LoadSoundTable();
    for (int event : {13, 16, 17, -1, 1000}) {
        audio->calls.clear();
        sound->PlayEffect(event);
        EXPECT_EQ(audio->calls, (Calls{"stop"})) << event;
    }
}

} // namespace
} // namespace soundtest
