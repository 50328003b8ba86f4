// A tune as read from its note list: parts, chord chart and written lines, section by section.
//
// The notation, one statement a line ('#' at the start of a word begins a comment):
//   tempo 104 / meter 4 / swing 0.6 / seed 5      the whole tune (swing: where the off-beat eighth falls)
//   form intro A B A end                          the order the sections are played in
//   part NAME program P channel C volume V pan P reverb R chorus C velocity V style S
//   section NAME BARS [like OTHER]                 then, inside it:
//     tempo 92                                     from this section on
//     chords | Cmaj7 | Dm7 G7 | ... |              one to four chords a bar, "%" repeats the last
//     NAME | e5:4. d5:8 c5+e5:2~ | ... |           a written line: pitch:length, "r" rests, "+" stacks,
//                                                  "~" ties on, "@90" sets loudness; lengths 1 2 4 8 16,
//                                                  "." dotted, "t" triplet; a missing length repeats
//     NAME style S                                 this section's style for the part ("rest": silent)
// A part with no line in a section is played from the chords in its style (see arranger.cpp).
#pragma once
#include <map>
#include <string>
#include <vector>

namespace soundgen {

struct Chord {
    int root = 0;               // pitch class 0..11
    int bass = -1;              // pitch class of a slash bass, -1 for the root
    std::vector<int> intervals; // semitones above the root, the root (0) first
};

struct Note {
    double beat;     // from the start of the section
    double length;   // in beats
    int key;         // MIDI key
    int velocity;    // 1..127
};

// One chord in the chart with the beats it covers inside its section.
struct ChordSpan {
    double beat, length;
    Chord chord;
};

struct PartSetup {
    std::string name;
    int channel = 0;
    int program = 0;
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
    std::string style;  // how the part is made from the chords when a section gives it no line
    int velocity = 80;  // written lines' default loudness
};

struct Section {
    std::string name;
    int bars = 0;
    double tempo = 0;  // 0: keep the tempo that runs
    std::vector<ChordSpan> chords;
    std::map<std::string, std::vector<Note>> lines;  // written lines by part name
    std::map<std::string, std::string> styles;       // per-section style of a part ("rest" silences it)
};

struct Tune {
    double tempo = 100;
    int beatsPerBar = 4;
    double swing = 0.5;  // where the off-beat eighth falls within the beat
    unsigned seed = 1;
    std::vector<PartSetup> parts;
    std::map<std::string, Section> sections;
    std::vector<std::string> form;
};

// Reads a tune file; on a mistake returns false with `error` naming the line.
bool ParseTune(const std::string& text, Tune& tune, std::string& error);

} // namespace soundgen
