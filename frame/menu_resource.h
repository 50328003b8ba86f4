// The main window's menu and accelerator resource, as tables.
#pragma once
#include <span>
#include <string>

namespace frame {

inline constexpr const char* kFrameTitle = "Velkaro Ver1.20";
inline constexpr const char* kHelpMenuText = "ﾍﾙﾌﾟ(&H)";  // string 188
inline constexpr const char* kTipsItemText = "今日のヒント"; // string 179

// The menu resource read top to bottom: a Popup opens a submenu that EndPopup closes.
struct MenuEntry {
    enum Kind { Popup, EndPopup, Item, Separator };
    Kind kind;
    // UTF-8. A mnemonic is either "&X" or, in the older form, 0x1E X 0x1F followed by the kana
    // reading of the letter; the text after a tab names the accelerator.
    const char* text;
    int command;
};

struct Accelerator {
    const char* keys; // portable QKeySequence text
    int command;
};

std::span<const MenuEntry> MainMenuResource();
std::span<const Accelerator> MainAccelerators();

// The text a menu shows: the 0x1E X 0x1F kana mnemonic becomes "&X" so that the letter works.
std::string MenuDisplayText(const std::string& resourceText);

} // namespace frame
