#pragma once

namespace Platform
{
// How a combo box offers its items: a fixed list that is always shown, an
// editable field with a list, or a list only (the field shows the selected item).
enum class ComboStyle
{
    Simple,
    DropDown,
    DropDownList
};

// The creation styles of a window, as a template gives them. Each flag matters
// only to the kinds named beside it.
struct WindowStyle
{
    // every kind
    bool visible = true;
    bool disabled = false;
    bool group = false;   // starts a group: radio buttons up to the next group start belong together
    bool tabStop = true;  // the Tab key stops here (only kinds that take the focus)

    // buttons, check boxes, radio buttons
    bool defaultButton = false; // Enter clicks it
    bool automatic = true;      // a click toggles the check box, or checks the radio button
    bool pushLike = false;      // a check box or radio button drawn as a push button

    // statics and buttons
    bool image = false;  // shows a bitmap instead of its text
    bool sunken = false;
    bool ownerDrawn = false;

    // edits
    bool readOnly = false;
    bool digitsOnly = false; // the user can type digits only

    // combo boxes
    ComboStyle combo = ComboStyle::DropDownList;

    // list boxes
    bool notify = false; // the user's selection is notified

    // up-downs
    bool autoBuddy = false;       // the buddy is the control created just before
    bool setBuddyInteger = false; // the position is written into the buddy as decimal text
    bool arrowKeys = false;       // the Up and Down keys in the buddy step as the arrows do

    // dialogs
    bool child = true;   // a child dialog (page, panel, view) rather than a pop-up window
    bool caption = true; // a pop-up window with a title bar and close box; without, no frame at all
};
}
