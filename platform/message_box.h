// The game's modal message box, with a scripted stand-in for tests and the lab.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/translations.h" // InstallJapaneseTranslations, for the standard buttons

namespace platform {

// Button sets and icons, combined with |.
enum MessageBoxType : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_YESNO = 0x04,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
};

// Answers.
enum MessageBoxAnswer : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

inline constexpr const char* kGameCaption = "Velkaro Ver1.20";

// Where message boxes go. The game holds one; the real one shows a Qt dialog.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // text and caption are UTF-8; "\n" breaks lines. Returns one of MessageBoxAnswer.
    virtual int Show(const std::string& text, unsigned type, const std::string& caption) = 0;
    int Show(const std::string& text, unsigned type = MB_OK) { return Show(text, type, kGameCaption); }
};

// A modal QMessageBox on the active window, with Japanese standard buttons.
class QtMessageBoxes final : public MessageBoxes {
public:
    using MessageBoxes::Show;
    int Show(const std::string& text, unsigned type, const std::string& caption) override;
};

// Records every box and answers from a script; when the script runs out it answers OK for
// MB_OK / MB_OKCANCEL and YES for MB_YESNO.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown { std::string text; unsigned type; std::string caption; };
    using MessageBoxes::Show;
    int Show(const std::string& text, unsigned type, const std::string& caption) override;
    std::deque<int> answers;
    std::vector<Shown> shown;
};

} // namespace platform
