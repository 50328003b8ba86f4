// The media-control command strings ("open ... alias xx type sequencer", "play xx from 0", ...).
#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/audio/midi_sequencer.h"

namespace platform {

// Result of a command: 0 for success, otherwise what went wrong.
enum MediaError : int {
    kMediaOk = 0,
    kMediaUnknownCommand = 1,
    kMediaMissingParameter = 2,
    kMediaBadParameter = 3,
    kMediaNoSuchDevice = 4,      // the alias is not open
    kMediaAliasInUse = 5,
    kMediaUnsupportedType = 6,
    kMediaDeviceBusy = 7,        // the sequencer is already open under another alias
    kMediaCannotOpenFile = 8,
    kMediaCannotPlay = 9,
};

class MediaControl {
public:
    virtual ~MediaControl() = default;
    // Runs one command. When `answer` is given, it receives the reply cut to capacity - 1
    // characters (empty on failure or when the command has no reply).
    virtual int Send(const std::string& command, std::string* answer = nullptr, int capacity = 0) = 0;
};

// Interprets the command strings on top of one MIDI sequencer. Aliases match without regard to
// letter case. File names are resolved against the current directory.
class MediaCommandInterpreter final : public MediaControl {
public:
    explicit MediaCommandInterpreter(MidiSequencer& sequencer) : sequencer_(sequencer) {}
    ~MediaCommandInterpreter() override;
    int Send(const std::string& command, std::string* answer = nullptr, int capacity = 0) override;

private:
    int Open(const std::vector<std::string>& words);
    int Play(const std::vector<std::string>& words);
    int Status(const std::vector<std::string>& words, std::string& reply);
    int Close(const std::vector<std::string>& words);

    MidiSequencer& sequencer_;
    // Open aliases (lower case) and the file each holds. The sequencer holds one tune, so at most
    // one alias is open at a time.
    std::map<std::string, std::string> open_;
};

} // namespace platform
