// Reading the tune files: a small line-based notation of parts, chords and note lines.
#include <cctype>
#include <cmath>
#include <sstream>

#include "tune.h"

namespace soundgen {
namespace {

struct Quality {
    const char* name;
    std::vector<int> intervals;
};

const std::vector<Quality>& Qualities()
{
    static const std::vector<Quality> q = {
        {"", {0, 4, 7}},           {"m", {0, 3, 7}},           {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},      {"7", {0, 4, 7, 10}},       {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}},     {"m7b5", {0, 3, 6, 10}},    {"dim7", {0, 3, 6, 9}},
        {"9", {0, 4, 7, 10, 14}},  {"maj9", {0, 4, 7, 11, 14}}, {"m9", {0, 3, 7, 10, 14}},
        {"7b9", {0, 4, 7, 10, 13}}, {"13", {0, 4, 10, 14, 21}}, {"7sus4", {0, 5, 7, 10}},
        {"sus4", {0, 5, 7}},       {"add9", {0, 4, 7, 14}},    {"69", {0, 4, 7, 9, 14}},
        {"aug", {0, 4, 8}},        {"m11", {0, 3, 7, 10, 17}}, {"maj7#11", {0, 4, 7, 11, 18}},
    };
    return q;
}

bool ParsePitchClass(const std::string& s, size_t& i, int& pc)
{
    static const int base[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (i >= s.size())
        return false;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    if (letter < 'a' || letter > 'g')
        return false;
    pc = base[letter - 'a'];
    ++i;
    if (i < s.size() && s[i] == '#') {
        pc += 1;
        ++i;
    } else if (i < s.size() && s[i] == 'b') {
        pc -= 1;
        ++i;
    }
    pc = (pc + 12) % 12;
    return true;
}

bool ParseChord(const std::string& text, Chord& chord)
{
    std::string s = text;
    chord = Chord{};
    const size_t slash = s.find('/');
    if (slash != std::string::npos) {
        size_t j = slash + 1;
        if (!ParsePitchClass(s, j, chord.bass) || j != s.size())
            return false;
        s = s.substr(0, slash);
    }
    size_t i = 0;
    if (!ParsePitchClass(s, i, chord.root))
        return false;
    const std::string quality = s.substr(i);
    for (const Quality& q : Qualities())
        if (quality == q.name) {
            chord.intervals = q.intervals;
            return true;
        }
    return false;
}

// "c#4" → 61; the octave number of middle C is 4.
bool ParseKey(const std::string& s, int& key)
{
    size_t i = 0;
    int pc;
    if (!ParsePitchClass(s, i, pc) || i >= s.size())
        return false;
    // A letter's flat was taken above; c and b cross the octave line.
    int octave = 0;
    try {
        size_t used = 0;
        octave = std::stoi(s.substr(i), &used);
        if (i + used != s.size())
            return false;
    } catch (...) {
        return false;
    }
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(s[0])));
    int k = (octave + 1) * 12 + pc;
    if (letter == 'c' && pc == 11)
        k -= 12;  // cb4 is b3
    if (letter == 'b' && pc == 0)
        k += 12;  // b#3 is c4
    key = k;
    return key >= 0 && key <= 127;
}

// "4" quarter, "8." dotted eighth, "8t" triplet eighth, "2~" tied onward.
bool ParseLength(const std::string& s, double& beats)
{
    size_t i = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i;
    if (i == 0)
        return false;
    const int denom = std::stoi(s.substr(0, i));
    if (denom <= 0)
        return false;
    beats = 4.0 / denom;
    for (; i < s.size(); ++i) {
        if (s[i] == '.')
            beats *= 1.5;
        else if (s[i] == 't')
            beats *= 2.0 / 3.0;
        else
            return false;
    }
    return true;
}

// A line of notes "| e5:4 g5:8 r:8 c5+e5:2 | ...", checked bar by bar.
bool ParseLine(const std::vector<std::string>& words, size_t from, int beatsPerBar, int bars, int defaultVelocity,
               std::vector<Note>& notes, std::string& error)
{
    double beat = 0, length = 1, barStart = 0;
    int barCount = 0;
    bool openTie = false;
    bool started = false;
    for (size_t w = from; w < words.size(); ++w) {
        std::string token = words[w];
        if (token == "|") {
            if (started) {
                if (std::fabs(beat - barStart - beatsPerBar) > 1e-6) {
                    error = "bar " + std::to_string(barCount + 1) + " holds " + std::to_string(beat - barStart) +
                            " beats";
                    return false;
                }
                ++barCount;
                barStart = beat;
            }
            started = true;
            continue;
        }
        bool tie = false;
        if (!token.empty() && token.back() == '~') {
            tie = true;
            token.pop_back();
        }
        int velocity = defaultVelocity;
        const size_t at = token.find('@');
        if (at != std::string::npos) {
            velocity = std::stoi(token.substr(at + 1));
            token = token.substr(0, at);
        }
        const size_t colon = token.find(':');
        const std::string pitches = token.substr(0, colon);
        if (colon != std::string::npos && !ParseLength(token.substr(colon + 1), length)) {
            error = "bad length in '" + words[w] + "'";
            return false;
        }
        if (pitches != "r") {
            std::stringstream ps(pitches);
            std::string p;
            while (std::getline(ps, p, '+')) {
                int key;
                if (!ParseKey(p, key)) {
                    error = "bad pitch in '" + words[w] + "'";
                    return false;
                }
                // A tied note grows the one before it instead of striking again.
                bool extended = false;
                if (openTie)
                    for (Note& n : notes)
                        if (n.key == key && std::fabs(n.beat + n.length - beat) < 1e-6) {
                            n.length += length;
                            extended = true;
                        }
                if (!extended)
                    notes.push_back({beat, length, key, velocity});
            }
        }
        openTie = tie;
        beat += length;
    }
    if (barCount != bars) {
        error = "line has " + std::to_string(barCount) + " bars, section has " + std::to_string(bars);
        return false;
    }
    return true;
}

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> words;
    std::stringstream ss(line);
    std::string w;
    while (ss >> w)
        words.push_back(w);
    return words;
}

bool ParseSetup(const std::vector<std::string>& words, PartSetup& part, std::string& error)
{
    part.name = words[1];
    for (size_t i = 2; i + 1 < words.size(); i += 2) {
        const std::string& k = words[i];
        const std::string& v = words[i + 1];
        if (k == "style") {
            part.style = v;
            continue;
        }
        int n = 0;
        try {
            n = std::stoi(v);
        } catch (...) {
            error = "bad number '" + v + "'";
            return false;
        }
        if (k == "channel") part.channel = n;
        else if (k == "program") part.program = n;
        else if (k == "volume") part.volume = n;
        else if (k == "pan") part.pan = n;
        else if (k == "reverb") part.reverb = n;
        else if (k == "chorus") part.chorus = n;
        else if (k == "velocity") part.velocity = n;
        else {
            error = "unknown part setting '" + k + "'";
            return false;
        }
    }
    return true;
}

} // namespace

bool ParseTune(const std::string& text, Tune& tune, std::string& error)
{
    std::stringstream in(text);
    std::string raw;
    int lineNo = 0;
    Section* section = nullptr;
    auto fail = [&](const std::string& what) {
        error = "line " + std::to_string(lineNo) + ": " + what;
        return false;
    };
    while (std::getline(in, raw)) {
        ++lineNo;
        // '#' starts a comment only at the start of a word: "c#5" is a note.
        size_t hash = 0;
        while ((hash = raw.find('#', hash)) != std::string::npos && hash > 0 &&
               !std::isspace(static_cast<unsigned char>(raw[hash - 1])))
            ++hash;
        const std::string line = raw.substr(0, hash);
        const std::vector<std::string> words = Split(line);
        if (words.empty())
            continue;
        const std::string& head = words[0];
        try {
            if (head == "tempo" && !section) {
                tune.tempo = std::stod(words.at(1));
            } else if (head == "tempo") {
                section->tempo = std::stod(words.at(1));
            } else if (head == "meter") {
                tune.beatsPerBar = std::stoi(words.at(1));
            } else if (head == "swing") {
                tune.swing = std::stod(words.at(1));
            } else if (head == "seed") {
                tune.seed = static_cast<unsigned>(std::stoul(words.at(1)));
            } else if (head == "form") {
                tune.form.assign(words.begin() + 1, words.end());
            } else if (head == "part") {
                PartSetup part;
                if (words.size() < 2 || !ParseSetup(words, part, error))
                    return fail(error);
                tune.parts.push_back(part);
            } else if (head == "section") {
                const std::string name = words.at(1);
                Section s;
                if (words.size() >= 5 && words[3] == "like") {
                    if (!tune.sections.count(words[4]))
                        return fail("unknown section " + words[4]);
                    s = tune.sections[words[4]];
                }
                s.name = name;
                s.bars = std::stoi(words.at(2));
                tune.sections[name] = s;
                section = &tune.sections[name];
            } else if (!section) {
                return fail("'" + head + "' outside a section");
            } else if (head == "chords") {
                section->chords.clear();
                double barStart = 0;
                std::vector<std::string> bar;
                int bars = 0;
                for (size_t w = 1; w < words.size(); ++w) {
                    if (words[w] != "|") {
                        bar.push_back(words[w]);
                        continue;
                    }
                    if (bar.empty())
                        continue;
                    const double each = double(tune.beatsPerBar) / bar.size();
                    for (size_t c = 0; c < bar.size(); ++c) {
                        Chord chord;
                        if (bar[c] == "%" && !section->chords.empty())
                            chord = section->chords.back().chord;
                        else if (!ParseChord(bar[c], chord))
                            return fail("bad chord '" + bar[c] + "'");
                        section->chords.push_back({barStart + each * c, each, chord});
                    }
                    barStart += tune.beatsPerBar;
                    ++bars;
                    bar.clear();
                }
                if (bars != section->bars)
                    return fail("chords cover " + std::to_string(bars) + " bars");
            } else if (words.size() >= 3 && words[1] == "style") {
                section->styles[head] = words[2];
            } else {
                int velocity = 80;
                bool known = false;
                for (const PartSetup& p : tune.parts)
                    if (p.name == head) {
                        velocity = p.velocity;
                        known = true;
                    }
                if (!known)
                    return fail("unknown part '" + head + "'");
                std::vector<Note> notes;
                if (!ParseLine(words, 1, tune.beatsPerBar, section->bars, velocity, notes, error))
                    return fail(head + ": " + error);
                section->lines[head] = notes;
            }
        } catch (const std::exception&) {
            return fail("cannot read '" + line + "'");
        }
    }
    for (const std::string& name : tune.form)
        if (!tune.sections.count(name)) {
            error = "form names unknown section " + name;
            return false;
        }
    return true;
}

} // namespace soundgen
