// The one MIDI sequencer device that the media-control strings drive.
#pragma once
#include <string>

namespace platform {

class MidiSequencer {
public:
    virtual ~MidiSequencer() = default;
    // Loads a Standard MIDI File; false when it is missing or not a MIDI file. Does not start it.
    virtual bool Open(const std::string& path) = 0;
    // Stops and forgets the loaded tune; silences every note.
    virtual void Close() = 0;
    // Starts the loaded tune from its beginning; false when nothing is loaded.
    virtual bool PlayFromStart() = 0;
    // True while the tune is sounding; false once its last event has passed.
    virtual bool IsPlaying() = 0;
};

} // namespace platform
