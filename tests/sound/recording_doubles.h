// Test doubles for the sound system: an audio sink and a media-control device that record what
// they were asked, and a timer owner.
#pragma once
#include <string>
#include <vector>

#include <unistd.h>

#include "app/sound_system.h"
#include "platform/audio/audio_sink.h"
#include "platform/audio/media_control.h"

namespace soundtest {

// Each call as one line: "stop", "wave NAME", "tone F D", "beep".
struct RecordingAudio final : platform::AudioSink {
    void StopWave() override { calls.push_back("stop"); }
    bool PlayWave(const std::string& path) override
    {
        char cwd[4096];
        waveDirs.push_back(getcwd(cwd, sizeof cwd) ? cwd : "");
        calls.push_back("wave " + path);
        return true;
    }
    void Tone(uint32_t f, int32_t ms) override
    {
        calls.push_back("tone " + std::to_string(f) + " " + std::to_string(ms));
    }
    void Beep() override { calls.push_back("beep"); }
    std::vector<std::string> calls;
    std::vector<std::string> waveDirs;  // the current directory at each wave
};

// Records commands; "status xx mode" answers `status` (or fails when `statusFails`), everything
// else succeeds except commands to "yy".
struct RecordingMedia final : platform::MediaControl {
    int Send(const std::string& command, std::string* answer, int capacity) override
    {
        commands.push_back(command);
        std::string reply;
        int result = platform::kMediaOk;
        if (command.find(" yy") != std::string::npos)
            result = platform::kMediaNoSuchDevice;
        else if (command == "status xx mode" && statusFails)
            result = platform::kMediaNoSuchDevice;
        else if (command == "status xx mode")
            reply = status;
        if (answer)
            *answer = capacity > 0 ? reply.substr(0, capacity - 1) : "";
        return result;
    }
    std::vector<std::string> commands;
    std::string status = "stopped";
    bool statusFails = false;
};

struct RecordingTimerOwner final : app::MusicTimerOwner {
    void StartRepeatingTimer(int id, int periodMs) override { starts.push_back({id, periodMs}); }
    std::vector<std::pair<int, int>> starts;
};

} // namespace soundtest
