// The main window's menu and accelerator resource, as tables.
#include "frame/menu_resource.h"

#include "frame/command_ids.h"

namespace frame {
namespace {

// The strings are split after each control character so no letter is read as part of a hex escape.
const MenuEntry kMainMenu[] = {
    {MenuEntry::Popup, "ｹﾞｰﾑ(\x1E" "F\x1F" "ﾌ)", 0},
    {MenuEntry::Item, "新しいゲーム(\x1E" "N\x1F" "ｼ)\tCtrl+N", kCmdNewGame},
    {MenuEntry::Separator, "", 0},
    {MenuEntry::Item, "終了(\x1E" "X\x1F" "ﾘ)", kCmdExit},
    {MenuEntry::EndPopup, "", 0},
    {MenuEntry::Item, "ｵﾌﾟｼｮﾝ(&O)", kCmdOptions},
    {MenuEntry::Item, "残像ｸﾘｱ(&D)", kCmdClearAfterimages},
    {MenuEntry::Popup, "ﾍﾙﾌﾟ(&H)", 0},
    {MenuEntry::Item, "目次(\x1E" "C\x1F" "ﾓ)", kCmdHelpIndex},
    {MenuEntry::Separator, "", 0},
    {MenuEntry::Item, "ビリヤードプロの必殺技(&T)", kCmdHelpTopic},
    {MenuEntry::Separator, "", 0},
    {MenuEntry::Item, "バージョン情報(\x1E" "A\x1F" "ﾊ)...", kCmdAbout},
    {MenuEntry::EndPopup, "", 0},
};

const Accelerator kAccelerators[] = {
    {"Ctrl+N", kCmdNewGame},      {"F1", kCmdHelp},          {"Shift+F1", kCmdContextHelp},
    {"Ctrl+O", kCmdOpen},         {"Ctrl+S", kCmdSave},      {"Ctrl+C", kCmdCopy},
    {"Ctrl+Ins", kCmdCopy},       {"Ctrl+V", kCmdPaste},     {"Shift+Del", kCmdCut},
    {"Alt+Backspace", kCmdUndo},  {"F6", kCmdNextPane},      {"Shift+F6", kCmdPrevPane},
};

} // namespace

std::span<const MenuEntry> MainMenuResource() { return kMainMenu; }
std::span<const Accelerator> MainAccelerators() { return kAccelerators; }

std::string MenuDisplayText(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\x1E' && i + 2 < text.size() && text[i + 2] == '\x1F') {
            out += '&';
            out += text[i + 1];
            // The kana reading runs up to the closing parenthesis.
            size_t close = text.find(')', i + 3);
            i = (close == std::string::npos ? text.size() : close) - 1;
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace frame
