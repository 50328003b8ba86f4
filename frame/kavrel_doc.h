// CKavrelDoc: the one document, its new-game operation, the results it reads and its help command.
#pragma once
#include "frame/high_scores.h"

#include <functional>
#include <string>

namespace frame {

// The ball positions and game counters the document stands for live in the game's table state;
// the game puts its part of a new game in through SetNewGamePart.
class CKavrelDoc {
public:
    // Writes the user level to "dravonel.ini.INI". `programPath` is the running program's full
    // path; empty means the process's own executable.
    explicit CKavrelDoc(int userLevel, std::string programPath = {});

    void SetNewGamePart(std::function<void()> part) { newGamePart_ = std::move(part); }
    // Opens the help file at a context number; the view's platform supplies it.
    void SetHelpOpener(std::function<void(const std::string& file, int context)> opener) {
        helpOpener_ = std::move(opener);
    }

    // The new-document operation: records the program directory and makes it current, reads
    // "high.scr" beside the program, then runs the game's part. A missing or unreadable file
    // leaves the records empty and the new game goes on. Always true.
    bool OnNewDocument();
    // Command 32786: the help file at context 6.
    void OnHelpTopic();

    const std::string& ProgramDirectory() const { return programDirectory_; }
    bool RecordsRead() const { return recordsRead_; }

    int LastBall = 15;
    HighScores Records;  // ResultHeader, RecordName and RecordValue

private:
    std::string programPath_;
    std::string programDirectory_;
    bool recordsRead_ = false;
    std::function<void()> newGamePart_;
    std::function<void(const std::string&, int)> helpOpener_;
};

inline constexpr const char* kHelpFile = "dravnel.HLP";
inline constexpr int kHelpTopicContext = 6;

// The entry of `directory` named `name` without regard to ASCII letter case; `name` joined to
// `directory` when there is none.
std::string FindNoCase(const std::string& directory, const std::string& name);

} // namespace frame
