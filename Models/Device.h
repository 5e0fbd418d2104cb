#pragma once

#include "Toolkit/Parameter/ParameterId.h"

#include <iosfwd>
#include <string>

class Observer;

// The one interface through which the user interface reaches an open device:
// it copies and observes parameter values, polls the next status group,
// re-reads the controls, saves and restores a configuration and writes the two
// reports. Errors are the program's exceptions: ProtocolException for the
// wire, VornaException otherwise.
class Device
{
public:
    virtual ~Device() = default;

    // The target control parameter requests the source control parameter's value.
    virtual void copyControlValue(const ParameterId& aTarget, const ParameterId& aSource) = 0;
    // The target control parameter requests the source status parameter's value.
    virtual void copyStatusValue(const ParameterId& aTarget, const ParameterId& aSource) = 0;
    // Makes the parameter the observer's subject and attaches the observer,
    // which is updated at once.
    virtual void attachControlObserver(const ParameterId& anId, Observer* anObserver) = 0;
    virtual void attachStatusObserver(const ParameterId& anId, Observer* anObserver) = 0;
    // Reads the next status group of the model's poll ring.
    virtual void pollNext() = 0;
    // Re-reads every control parameter and notifies.
    virtual void refresh() = 0;
    virtual void restoreConfiguration(std::istream& aStream) = 0;
    virtual void saveConfiguration(std::ostream& aStream) = 0;
    virtual void writeTextReport(std::ostream& aStream, const std::string& aTitle) = 0;
    virtual void writeHtmlReport(std::ostream& aStream, const std::string& aTitle) = 0;
};
