// A SoundSystem on recording doubles, a virtual clock and a private settings directory.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/sound_system.h"
#include "platform/clock.h"
#include "recording_doubles.h"
#include "test_files.h"

namespace soundtest {

class SoundFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        configDir = MakeTempDir();
        setenv("VELKARO_CONFIG_DIR", configDir.c_str(), 1);
        auto a = std::make_unique<RecordingAudio>();
        auto m = std::make_unique<RecordingMedia>();
        audio = a.get();
        media = m.get();
        sound = std::make_unique<app::SoundSystem>(settings, clock, std::move(a), std::move(m));
        sound->SetObjectBallPocketed([this] { return pocketed; });
    }
    void Ini(const std::string& text) { WriteText(configDir + "/dravonel.ini", text); }

    std::string configDir;
    app::AppSettings settings;
    platform::VirtualClock clock{500000};
    bool pocketed = false;
    RecordingAudio* audio = nullptr;
    RecordingMedia* media = nullptr;
    std::unique_ptr<app::SoundSystem> sound;
};

} // namespace soundtest
