#pragma once

#include <string>
#include <vector>

namespace Platform
{
class Window;

// The user's input as it reaches the window model, whoever delivers it: the
// drawing backend from the desktop's events, a ScriptedUser in tests. Each
// input first changes the model as the control itself would, then notifies,
// so a handler reads back what the user chose.
//
// An input returns false and changes nothing when its control cannot be
// reached: hidden or disabled, itself or an ancestor, or outside the modal
// dialog that runs. Inputs on controls of the wrong kind, and items that do
// not exist, are programming errors (assertions).
class UserInput
{
public:
    // aModal: the innermost modal dialog running, or nullptr.
    explicit UserInput(const Window* aModal);

    bool reaches(const Window& aControl) const;

    // Buttons, check boxes, radio buttons: the control takes the focus
    // (unless it is of those that cannot, a tool bar's), an
    // automatic check box toggles, an automatic radio button checks itself and
    // clears its group, the pushed look is released; then Clicked, or without
    // a handler a command of its id to its dialog. An edit only takes the focus.
    bool click(Window& aControl) const;
    // Combo boxes: the focus, the selection, SelectionChanged (also for the
    // item already selected, as a pick with the mouse). List boxes likewise,
    // notified only when the selection changes and the list notifies; a
    // read-only list takes nothing.
    bool pick(Window& aControl, int anIndex) const;
    // The edit takes the focus and all its text is selected.
    bool selectAll(Window& anEdit) const;
    // A key to the window with the focus: an edit takes it in place of its
    // selection. False when nothing took it.
    bool key(char aCharacter) const;
    // The delete key to the edit with the focus.
    bool deleteKey() const;
    // A paste into the edit with the focus: aText in place of its selection.
    bool paste(const std::string& aText) const;
    // The Tab key out of a control with the focus (aBackward: Shift+Tab):
    // the next stop of the whole window around it, in template order through
    // its panels, tab controls and pages and round from the last to the first,
    // gets the focus (an edit with all its text selected); without another
    // stop nothing has the focus. A stop is a control that takes the focus
    // with the Tab key and that the user reaches; a group of radio buttons is
    // one stop, its checked button. False without the focus.
    bool tab(Window& aControl, bool aBackward = false) const;
    // The Tab key in aWindow with nothing in it focused: its first stop (the
    // last one backward) gets the focus. False when it has none.
    bool tabInto(Window& aWindow, bool aBackward = false) const;
    // One press of an up-down's arrow held aSeconds: the buddy takes the
    // focus, SpinDelta tells the move (towards upper for the up arrow), and
    // unless refused the position moves (and a buddy-setting up-down writes it).
    bool spin(Window& anUpDown, bool anUp, double aSeconds) const;
    // A click on a tab: TabSelectionChanging (which may refuse), the
    // selection, TabSelectionChanged; nothing for the selected tab.
    bool selectTab(Window& aTabControl, int anIndex) const;
    // A key to a tab control: the tab after the selected one (aForward) or
    // before it, selected as a click selects it; aRound goes on from the
    // last tab to the first and back. A focused control whose page went
    // away leaves the focus to the tab control. False when there is no such tab.
    bool stepTab(Window& aTabControl, bool aForward, bool aRound) const;
    // The tab control whose tabs the page keys turn in aScope: the innermost
    // one the user reaches that has tabs (the first of them in template
    // order), or nullptr.
    Window* innermostTabControl(Window& aScope) const;
    // The up-down that the Up and Down keys step from anEdit: the one whose
    // buddy it is and that takes the arrow keys, or nullptr.
    static Window* arrowKeysUpDown(const Window& anEdit);
    // Enter in aDialog: the focused push button is clicked, else its
    // reachable default button, else the dialog gets the command OK.
    void enter(Window& aDialog) const;
    // Escape in aDialog: the command Cancel.
    void escape(Window& aDialog) const;
    // The close box: Close, or for a dialog without a Close handler, Cancel.
    void close(Window& aWindow) const;

    // The dialog that Enter and Escape reach from the focus, within aScope.
    static Window* dialogOfFocus(Window& aScope);

private:
    bool isStop(const Window& aControl) const;
    // The stops below aWindow in template order, and aCurrent in its place
    // among them.
    void collectStops(const Window& aWindow, const Window* aCurrent, std::vector<Window*>& aStops) const;
    // The window a Tab key from aControl goes round in.
    Window& tabScope(Window& aControl) const;
    static void focusStop(Window& aStop);

    const Window* myModal;
};
}
