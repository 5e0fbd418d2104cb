#pragma once

#include "Platform/Framework/CommandTarget.h"
#include "Platform/Framework/MinMaxInfo.h"
#include "Platform/Framework/WindowPlacement.h"
#include "Platform/Window/Menu.h"
#include "Platform/Window/Rectangle.h"
#include "Platform/Window/Window.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Platform
{
class Document;
class FormView;
class Resources;

// The framework's main window: a menu, an optional tool bar and status bar,
// and one form view between them. Commands from the menu, the tool bar and
// the keys are routed to the view, the document, the frame and the
// application in that order; idle processing brings their states (enabled,
// checked) up to date on the menu and the tool bar. A program's frame
// derives from it, adds its bars in onCreate and maps its own commands.
//
// The frame is made hidden; the program shows it (showWindow or setPlacement).
class MainFrame : public CommandTarget
{
public:
    static constexpr int creationFailed = -1;

    MainFrame();
    // The view goes first, then the window.
    ~MainFrame() override;

    // Called by the document template: builds the hidden window titled aTitle
    // with the menu of aResourceId, then onCreate. False when the menu is
    // missing or onCreate fails.
    bool create(const Resources& aResources, unsigned aResourceId, const std::string& aTitle);
    // The frame's own creation step; creationFailed stops the program's start.
    virtual int onCreate();

    // A tool bar at the top with the buttons of tool-bar resource aResourceId
    // (fly-by prompts and tool tips from the status prompt strings). False
    // when the resource is missing.
    bool createToolBar(unsigned aResourceId);
    // A status bar at the bottom with one pane per id: 0 for the message
    // pane, else an indicator whose text is the string of that id. False when
    // a string is missing.
    bool createStatusBar(const std::vector<unsigned>& aPanes);

    Window& window() const;
    const Resources& resources() const;
    // The program's icon on its window: a bitmap of the resources.
    void setIcon(unsigned aBitmapId);
    // nullptr until made.
    Window* toolBar() const;
    Window* statusBar() const;

    // --- the view ---
    // Called by the template: builds the view in the frame for the document.
    bool createView(std::unique_ptr<FormView> aView, Document& aDocument);
    FormView* activeView() const { return myView.get(); }
    Document* activeDocument() const;
    // The view's initial update, then the title and the command states.
    void initialUpdate();
    // The document's title, then the program's: "Vorna - Tessiva".
    void updateTitle();

    // --- commands ---
    // Routes a command (see CommandRouter), then runs idle processing; false
    // when the command is disabled or nobody handles it.
    bool routeCommand(unsigned aCommandId);
    // The command the frame's accelerator table (the resource of the frame's
    // id) gives a key with its modifiers (Accelerator's), or 0.
    unsigned accelerator(unsigned aKey, unsigned aModifiers) const;
    // The state the command has now.
    CommandState queryCommand(unsigned aCommandId) const;
    // The state the last update left on the menu and the tool bar; empty for
    // a command on neither.
    std::optional<CommandState> commandState(unsigned aCommandId) const;
    // Idle processing: asks every command of the menu and the tool bar for
    // its state, and shows it.
    void updateCommandStates();
    // The menu as shown: the recent files stand in place of the first entry's item.
    Menu menu() const;
    // Every command of the menu and the tool bar, in order, once each.
    std::vector<unsigned> commands() const;

    // --- status bar ---
    // The fly-by prompt of a command (the first line of its string) in the
    // message pane; empty when it has none.
    void showPrompt(unsigned aCommandId);
    // The idle text ("Ready") in the message pane.
    void showIdleMessage();
    std::string messageText() const;
    // A tool-bar button's tip: the second line of the command's string.
    std::string toolTip(unsigned aCommandId) const;
    std::string prompt(unsigned aCommandId) const;

    // --- bars and layout ---
    // Places the bars at the top and bottom and the view between them.
    void recalcLayout();
    // Sizes the frame so that the view gets aWidth by aHeight pixels;
    // aShrinkOnly never makes it larger.
    void fitToForm(int aWidth, int aHeight, bool aShrinkOnly);

    // --- placement and size ---
    WindowPlacement placement() const;
    // Moves the window and shows it as the placement says.
    void setPlacement(const WindowPlacement& aPlacement);
    // WindowPlacement's show commands: hide, show normally, minimized, maximized.
    void showWindow(int aShowCommand);
    // Paints the window at once.
    void updateWindow();
    // The frame's text metrics, in pixels.
    int averageCharacterWidth() const;
    int characterHeight() const;
    // The sizes the user may drag the frame to. The base leaves the system's.
    virtual void onGetMinMaxInfo(MinMaxInfo& anInfo);
    // The user drags the frame's border: the size is kept within onGetMinMaxInfo's
    // limits; returns the rectangle taken.
    Rectangle resizeByUser(const Rectangle& aRectangle);
    // The user maximises the frame, or restores it, through the desktop: it
    // takes aRectangle and keeps its normal rectangle for the restore.
    void maximiseByUser(bool aMaximised, const Rectangle& aRectangle);
    // The limits that resizeByUser keeps: the system's, then onGetMinMaxInfo's.
    MinMaxInfo trackingLimits();

    // --- closing ---
    // The close box and Exit: a modified document may keep the program open;
    // else the frame hides and the program ends (Application::closeMainFrame).
    virtual void onClose();
    // The desktop session ends: when anEnding, the frame hides and the
    // program ends without questions.
    virtual void onEndSession(bool anEnding);

private:
    std::vector<CommandTarget*> chain() const;
    void toggleBar(Window* aBar);
    void applyStates();
    void placePanes();

    const Resources* myResources = nullptr;
    unsigned myResourceId = 0;
    std::string myTitle;
    std::unique_ptr<Window> myWindow;
    Menu myMenuResource;
    std::unique_ptr<FormView> myView;
    std::map<unsigned, CommandState> myStates;
    // The commands of the menu and the tool bar, and what they were listed for.
    std::vector<unsigned> myCommands;
    bool myCommandsListed = false;
    const Window* myListedBar = nullptr;
    std::vector<std::string> myListedFiles;
    std::size_t myListedButtons = 0;
    int myFlags = 0;
    int myShowCommand = WindowPlacement::showNormal;
    Rectangle myNormal;
    bool myPromptShown = false;
};
}
