#pragma once

#include "Toolkit/Controls/ControlObserver.h"

#include <cstdint>
#include <string>

namespace Platform
{
class Window;
}

// Replaces the text of one item of a list or combo box with a name held by a
// parameter, keeping the box's selection where it was. A name is put in only
// when it differs from the one put in last, so until the first name arrives
// (and while names are empty) the item keeps the text the box was filled with.
// Availability is not shown.
class BoxItemTextObserver : public ControlObserver
{
public:

    void update(Subject* aSubject) override;
    // Only shows: takes no notifications.
    void routeNotifications(const ControlBinder&) override {}

    std::uint32_t position() const { return myPosition; }
    const std::string& lastText() const { return myLastText; }

protected:
    // The derived kinds check the box.
    BoxItemTextObserver(std::uint32_t aPosition, Platform::Window* aBox);

private:
    std::uint32_t myPosition;
    std::string myLastText;
    Platform::Window* myBox;
};
