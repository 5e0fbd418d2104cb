#pragma once

#include <memory>

namespace Platform
{
class Window;
}

// The modeless "Opening the device..." box (template 150) that stands while
// a device is opened. It opens when made and closes when destroyed.
class OpeningDeviceBox
{
public:
    OpeningDeviceBox();
    ~OpeningDeviceBox();
    OpeningDeviceBox(const OpeningDeviceBox&) = delete;
    OpeningDeviceBox& operator=(const OpeningDeviceBox&) = delete;

    // nullptr when the resources lack the template.
    Platform::Window* window() const { return myWindow.get(); }

private:
    std::unique_ptr<Platform::Window> myWindow;
};
