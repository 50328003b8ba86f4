// Command identifiers of the main window's menus and accelerators; they never change.
#pragma once

namespace frame {

enum CommandId : int {
    kCmdOptions = 1,
    kCmdTipOfTheDay = 177,
    kCmdClearAfterimages = 32768,
    kCmdHelpTopic = 32786,
    kCmdNewGame = 57600,
    kCmdOpen = 57601,
    kCmdSave = 57603,
    kCmdCopy = 57634,
    kCmdCut = 57635,
    kCmdPaste = 57637,
    kCmdUndo = 57643,
    kCmdAbout = 57664,
    kCmdExit = 57665,
    kCmdHelpIndex = 57666,
    kCmdContextHelp = 57669,
    kCmdHelp = 57670,
    kCmdNextPane = 57680,
    kCmdPrevPane = 57681,
};

} // namespace frame
