#pragma once

#include <string>

// A unit's answer to a status poll. The kinds only fix name and flag, so a
// caller tells the answers apart by those, not by the class.
class DeviceStatus
{
public:
    DeviceStatus(const std::string& aName, bool anOk);
    virtual ~DeviceStatus() = default;

    bool isOk() const { return myOk; }
    const std::string& name() const { return myName; }

private:
    bool myOk;
    std::string myName;
};
