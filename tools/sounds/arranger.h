// Turning a tune into timed notes for each part: written lines as they stand, the other parts
// played from the chord chart in their style.
#pragma once
#include <string>
#include <vector>

#include "tune.h"

namespace soundgen {

struct Performance {
    struct TempoMark {
        double beat, bpm;
    };
    struct Track {
        PartSetup setup;
        std::vector<Note> notes;  // beats from the start of the tune
    };
    std::vector<TempoMark> tempos;
    std::vector<Track> tracks;
    double lengthBeats = 0;
    int beatsPerBar = 4;
    double swing = 0.5;
};

Performance Arrange(const Tune& tune);
// A style the arranger plays, or "rest" (the part is silent).
bool KnownStyle(const std::string& name);

} // namespace soundgen
