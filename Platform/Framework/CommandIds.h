#pragma once

namespace Platform
{
// The framework's own command, window and string ids. Programs use their own
// ids below these; menus and tool bars name these for the framework's commands.
struct CommandIds
{
    // File menu
    static constexpr unsigned fileNew = 57600;
    static constexpr unsigned fileOpen = 57601;
    // The recent-file entries, first to last; the menu item of the first is
    // the place where the list is shown.
    static constexpr unsigned recentFileFirst = 57616;
    static constexpr unsigned recentFileLast = 57631;

    // Application
    static constexpr unsigned appAbout = 57664;
    static constexpr unsigned appExit = 57665;
    static constexpr unsigned helpTopics = 57667;
    static constexpr unsigned contextHelp = 57669;

    // Edit commands, and moving between the panes of a window.
    static constexpr unsigned editCopy = 57634;
    static constexpr unsigned editCut = 57635;
    static constexpr unsigned editPaste = 57637;
    static constexpr unsigned editUndo = 57643;
    static constexpr unsigned nextPane = 57680;
    static constexpr unsigned previousPane = 57681;

    // View menu; they are also the ids of the bars they show and hide.
    static constexpr unsigned viewToolBar = 59392;
    static constexpr unsigned viewStatusBar = 59393;
    static constexpr unsigned toolBarWindow = 59392;
    static constexpr unsigned statusBarWindow = 59393;

    // Status bar panes: the message pane, and the key-lock indicators.
    static constexpr unsigned messagePane = 0;
    static constexpr unsigned indicatorCaps = 59137;
    static constexpr unsigned indicatorNum = 59138;
    static constexpr unsigned indicatorScroll = 59139;

    // Strings: the application's title, the message pane's idle text, the
    // title of a document that has none yet.
    static constexpr unsigned applicationTitle = 57344;
    static constexpr unsigned idleMessage = 57345;
    static constexpr unsigned untitled = 61440;
};
}
