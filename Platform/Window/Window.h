#pragma once

#include "Platform/Window/Colour.h"
#include "Platform/Window/Event.h"
#include "Platform/Window/Rectangle.h"
#include "Platform/Window/WindowKind.h"
#include "Platform/Window/WindowStyle.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Platform
{
// The state of one window and the operations the programs perform on it. A
// window owns its children; a top-level window is owned by whoever made it.
//
// Programmatic changes never notify, with one exception that the programs
// rely on: setting an edit's text notifies EditChanged, as a user's change
// does. A user's input (see ScriptedUser) first changes the state, then
// notifies, so a handler reads back what the user chose.
//
// Operations of one kind called on another kind are programming errors and
// fail an assertion.
class Window
{
public:
    typedef std::function<void(Event& anEvent)> Handler;

    // One step of an up-down's acceleration: after aSeconds of holding an
    // arrow, each step moves by anIncrement.
    struct Acceleration
    {
        unsigned seconds;
        int increment;
        bool operator==(const Acceleration& anOther) const
        {
            return seconds == anOther.seconds && increment == anOther.increment;
        }
    };

    // Tells whether a window still exists; safe to ask after it was destroyed.
    class Watch
    {
    public:
        explicit Watch(Window& aWindow) : myWindow(&aWindow), myToken(aWindow.myToken) {}
        bool alive() const { return !myToken.expired(); }
        Window* get() const { return alive() ? myWindow : nullptr; }

    private:
        Window* myWindow;
        std::weak_ptr<int> myToken;
    };

    Window(WindowKind aKind, int anId, const std::string& aText = std::string(),
           const WindowStyle& aStyle = WindowStyle(), const Rectangle& aRectangle = Rectangle());
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // --- identity and tree ---
    WindowKind kind() const { return myKind; }
    int id() const { return myId; }
    const WindowStyle& style() const { return myStyle; }
    // The template a dialog was built from; 0 for others.
    unsigned templateId() const { return myTemplateId; }
    void setTemplateId(unsigned anId) { myTemplateId = anId; }
    // For messages: kind, id and text, e.g. edit 1044 "150".
    std::string describe() const;

    Window* parent() const { return myParent; }
    // Appends the child at the bottom of the z-order and returns it.
    Window& addChild(std::unique_ptr<Window> aChild);
    Window& createChild(WindowKind aKind, int anId, const std::string& aText = std::string(),
                        const WindowStyle& aStyle = WindowStyle(), const Rectangle& aRectangle = Rectangle());
    // Destroys a child and everything in it; references to them become invalid.
    void destroyChild(Window& aChild);
    // Top of the z-order first.
    std::vector<Window*> children() const;
    // The same one by one, for walks that run often and should not copy the list.
    std::size_t childCount() const { return myChildren.size(); }
    Window& childAt(std::size_t anIndex) const;
    // A direct child by id, or nullptr (the first in z-order when ids repeat).
    [[nodiscard]] Window* findChild(int anId) const;
    // Any window below this one by id, depth first, or nullptr.
    [[nodiscard]] Window* findDescendant(int anId) const;
    bool isAncestorOf(const Window& aWindow) const;
    // Raises the window to the top of its siblings' z-order without moving it.
    void raise();

    // --- state every kind has ---
    // A drop-down list combo box reads as the text of its selected item.
    std::string text() const;
    void setText(const std::string& aText);
    bool isEnabled() const { return myEnabled; }
    void enable(bool anEnabled);
    bool isShown() const { return myShown; }
    void show(bool aShown);
    // Shown, and every ancestor shown.
    bool isVisible() const;
    // Visible and enabled with every ancestor enabled: the user's input reaches it.
    bool isReachable() const;
    // Relative to the parent's client area, in pixels.
    const Rectangle& rectangle() const { return myRectangle; }
    void move(const Rectangle& aRectangle);
    // Moves the window, keeping its size, to the middle of anArea.
    void centreIn(const Rectangle& anArea);
    Rectangle clientRectangle() const;
    // The bitmap resource shown by a picture static or an image button; 0 for none.
    unsigned image() const { return myImage; }
    void setImage(unsigned aBitmapId);
    // Asks for a repaint; the drawing backend decides when.
    void invalidate();

    // One rectangle of the client area painted with a solid colour.
    struct Fill
    {
        Rectangle area;
        Colour colour;
        bool operator==(const Fill& anOther) const { return area == anOther.area && colour == anOther.colour; }
    };
    // Paints a rectangle of the client area (clipped to it) with a solid colour.
    // The paint stays until painted over, the window is resized, or cleared.
    // Painting what the window already shows changes nothing.
    void fillRectangle(const Rectangle& aRectangle, const Colour& aColour);
    // What is painted, oldest first: each fill covers what came before it.
    const std::vector<Fill>& paint() const { return myPaint; }
    // The colour last painted at a client point; empty where nothing was painted.
    std::optional<Colour> colourAt(int anX, int aY) const;
    void clearPaint();

    // --- focus (one window of the program holds it) ---
    // Moves the focus here: the window that had it is told FocusLost, then this
    // one FocusGained. Nothing happens when it already has the focus.
    void setFocus();
    bool hasFocus() const { return focus() == this; }
    static Window* focus();
    // Takes the focus from whichever window has it (it is told FocusLost).
    static void clearFocus();
    // Kinds that can take the focus from the user (a tool bar's buttons cannot).
    bool canTakeFocus() const;

    // --- buttons, check boxes, radio buttons ---
    bool isChecked() const { return myChecked; }
    void setChecked(bool aChecked);
    // The pushed look; a user's click releases it.
    bool isPressed() const { return myPressed; }
    void setPressed(bool aPressed);
    // On a parent: checks aCheckId and clears the other radio buttons with ids
    // in aFirstId..aLastId.
    void checkRadioButton(int aFirstId, int aLastId, int aCheckId);
    // On a parent: the index within the group that starts at radio button
    // aFirstId of the checked button, or -1; and the opposite direction, which
    // checks the button at anIndex and clears the others of the group.
    int checkedRadioIndex(int aFirstId) const;
    void checkRadioIndex(int aFirstId, int anIndex);
    // The radio buttons of this button's group, in order.
    std::vector<Window*> radioGroup() const;

    // --- items: combo boxes, list boxes, tab controls ---
    // Combo and list boxes. The selection follows its item when items are
    // inserted or deleted before it; deleting the selected item leaves none.
    int addString(const std::string& aText);                     // index of the new item
    int insertString(int anIndex, const std::string& aText);     // -1 appends; beyond the end: -1, nothing added
    int deleteString(int anIndex);                               // items left, or -1 for a bad index
    void resetContent();                                         // no items, no selection
    // Tab controls: the first tab inserted into an empty control is selected;
    // the selection follows its tab as for the boxes.
    int insertTab(int anIndex, const std::string& aText);        // beyond the end appends; index of the tab
    bool deleteTab(int anIndex);
    void deleteAllTabs();
    bool setTabText(int anIndex, const std::string& aText);
    // Tab controls: the area below the row of tabs, inside the frame, in
    // client coordinates. The dialogs (pages, panels) in a tab control are
    // kept at its top left, whatever the row of tabs needs.
    Rectangle displayArea() const;
    // All three.
    int itemCount() const { return static_cast<int>(myItems.size()); }
    // Empty for an index out of range.
    std::string itemText(int anIndex) const;
    const std::vector<std::string>& items() const { return myItems; }
    // -1 when nothing is selected.
    int selection() const { return mySelection; }
    // False for an index out of range. A combo box then selects nothing; a list
    // box clears its selection for -1 and keeps it otherwise; a tab control keeps it.
    bool setSelection(int anIndex);

    // --- edits ---
    // The most characters the user may type (0: no limit). Text set by the
    // program is never cut.
    unsigned textLimit() const { return myTextLimit; }
    void setTextLimit(unsigned aLimit);
    bool isReadOnly() const { return myReadOnly; }
    // Edits: the user cannot type; list boxes: the user cannot change the selection.
    void setReadOnly(bool aReadOnly);
    // Selects characters aStart..anEnd (anEnd -1: to the end; aStart -1: none,
    // the caret stays). Setting the text puts the caret at the start.
    void selectText(int aStart, int anEnd);
    std::pair<int, int> textSelection() const { return std::make_pair(mySelectionStart, mySelectionEnd); }
    // The characters of the line that are not selected.
    int lineLength() const;
    // Keeps the caret in view (nothing to keep in the model).
    void scrollCaret();
    // A keystroke of the user: replaces the selection with aCharacter and
    // notifies EditChanged. False (nothing changes) when the edit is read-only,
    // takes digits only and aCharacter is none, or the text would exceed the limit.
    bool typeCharacter(char aCharacter);
    // The user's delete key: removes the selection and notifies; false when
    // nothing is selected or the edit is read-only.
    bool deleteSelection();
    // The user's paste: replaces the selection with aText (cut to the text
    // limit) and notifies once. False (nothing changes) when the edit is
    // read-only, takes digits only and aText has another character, or
    // nothing of aText fits.
    bool replaceSelection(const std::string& aText);

    // --- up-downs (range, position) and progress bars (range, position) ---
    // An up-down's default range is 100 (lower) to 0 (upper): its up arrow
    // steps towards upper, so there it steps down. A progress bar's is 0 to 100.
    void setRange(int aLower, int anUpper);
    int lower() const { return myLower; }
    int upper() const { return myUpper; }
    // The sign of the up arrow's move: 1 when upper lies above lower, -1 the
    // other way round (the up-down's default range).
    int upwards() const { return myUpper >= myLower ? 1 : -1; }
    // Kept within the range.
    void setPosition(int aPosition);
    int position() const { return myPosition; }
    void setBuddy(Window* aBuddy);
    Window* buddy() const { return myBuddy != nullptr ? myBuddy->get() : nullptr; }
    void setAccelerations(const std::vector<Acceleration>& anAccelerations);
    const std::vector<Acceleration>& accelerations() const { return myAccelerations; }
    // The increment of a step after holding an arrow for aSeconds.
    int incrementAfter(double aSeconds) const;

    // --- dialogs ---
    // Ends a dialog with a result; a modal loop running it returns.
    void endDialog(int aResult);
    // Called by a backend around a modal loop on the dialog.
    void beginModal();
    void finishModal();
    bool isModal() const { return myModal; }
    bool dialogEnded() const { return myEnded; }
    int dialogResult() const { return myResult; }

    // --- handlers (a message map) ---
    // A handler for every code of the notification, or for one code (a timer
    // id, command id or message number), which comes first.
    void on(Notification aNotification, const Handler& aHandler);
    void on(Notification aNotification, int aCode, const Handler& aHandler);
    bool hasHandler(Notification aNotification, int aCode = 0) const;
    // Runs the handler; false when there is none. The handler may destroy the
    // window (the caller must not touch it afterwards; a Watch tells).
    bool notify(Event& anEvent);
    // A command to this window: its Command handler, or when it has none and
    // it is a dialog running modally, OK (1) and Cancel (2) end it with that
    // code. False when nobody took the command.
    bool command(int aCommandId);
    // Asks this window's CommandUpdate handler for the state of a command
    // (enabled unless the handler says otherwise); empty when it has none.
    std::optional<CommandState> updateCommand(int aCommandId);
    // The nearest dialog around this window (a click that no Clicked handler
    // takes goes there as a command of the button's id).
    Window* enclosingDialog() const;

    // Counts every change of any window's state, so a drawing backend knows
    // when to bring the screen up to date.
    static unsigned long changeCount();
    // The count when this window's own state last changed, and when anything
    // in it (itself or a window below) last did: a drawing backend visits
    // only what changed since it last looked.
    unsigned long generation() const { return myGeneration; }
    unsigned long subtreeGeneration() const { return mySubtreeGeneration; }
    // Counts the windows destroyed so far.
    static unsigned long destroyedCount();

private:
    typedef std::pair<Notification, int> HandlerKey;
    static void changed();
    // A change of this window's state: its generation and its ancestors' subtree generation move on.
    void touch();
    static void moveFocus(Window* aWindow);
    void adjustSelectionForInsert(int anIndex);
    void adjustSelectionForDelete(int anIndex);
    void placePages();

    WindowKind myKind;
    int myId;
    std::string myText;
    WindowStyle myStyle;
    unsigned myTemplateId = 0;
    Rectangle myRectangle;
    // A tab control's height as its layout gave it, which its pages may pass.
    int myLaidOutHeight = 0;
    Window* myParent = nullptr;
    std::vector<std::unique_ptr<Window>> myChildren;
    bool myEnabled;
    bool myShown;
    unsigned myImage = 0;
    std::vector<Fill> myPaint;
    unsigned long myGeneration = 0;
    unsigned long mySubtreeGeneration = 0;

    bool myChecked = false;
    bool myPressed = false;

    std::vector<std::string> myItems;
    int mySelection = -1;

    unsigned myTextLimit = 0;
    bool myReadOnly;
    int mySelectionStart = 0;
    int mySelectionEnd = 0;

    int myLower = 0;
    int myUpper = 100;
    int myPosition = 0;
    std::unique_ptr<Watch> myBuddy;
    std::vector<Acceleration> myAccelerations;

    bool myModal = false;
    bool myEnded = false;
    int myResult = 0;

    std::map<HandlerKey, std::shared_ptr<Handler>> myHandlers;
    std::shared_ptr<int> myToken = std::make_shared<int>(0);
};
}
