#pragma once

#include "Toolkit/Controls/ControlObserver.h"
#include "Toolkit/Controls/ItemRange.h"

#include <string>

namespace Platform
{
class StringTable;
class Window;
}

// Binds a combo box to a parameter: the item for value v is the string of id
// (first id + v); the items follow the parameter's limits, so item 0 always
// stands for the minimum.
class Win32ComboBoxObserver : public ControlObserver
{
public:
    // Fills the box with the strings aFirstId..aLastId and selects item 0.
    // A missing string throws VornaException "Unable to load the string with id: ".
    Win32ComboBoxObserver(Platform::Window* aComboBox, unsigned aFirstId, unsigned aLastId,
                          const Platform::StringTable& aStrings);

    void update(Subject* aSubject) override;
    // The user picked an item: the box goes back to what it showed until the
    // parameter confirms the new value.
    void selectionChange();
    // The pick of an item.
    void routeNotifications(const ControlBinder& aBinder) override;

    int bottom() const { return myRange.bottom(); }
    int top() const { return myRange.top(); }
    int displayedIndex() const { return myDisplayedIndex; }
    Platform::Window* comboBox() const { return myComboBox; }

private:
    std::string textOf(int aValue) const;

    Platform::Window* myComboBox;
    unsigned myFirstId;
    unsigned myLastId;
    const Platform::StringTable& myStrings;
    ItemRange myRange;
    int myDisplayedIndex = 0;
};
