#pragma once

#include "Toolkit/Parameter/IdleCallback.h"

#include <vector>

class AbstractProtocol;
class Parameter;

// The idle callback of a unit table: while the protocol waits on the line, it
// steps every tracked status parameter on to its tracker's estimate, in the
// order they were added, so meters and the time code keep moving. It owns
// neither the parameters nor the protocol; it takes itself off the protocol it
// was installed on when it goes.
class TrackedParameterList : public IdleCallback
{
public:
    TrackedParameterList() = default;
    ~TrackedParameterList() override;

    void onIdle() override;

    // Installs this list as the protocol's idle callback.
    void installOn(AbstractProtocol* aProtocol);
    void append(Parameter* aParameter);
    const std::vector<Parameter*>& parameters() const { return myParameters; }

private:
    TrackedParameterList(const TrackedParameterList&) = delete;
    TrackedParameterList& operator=(const TrackedParameterList&) = delete;

    std::vector<Parameter*> myParameters;
    AbstractProtocol* myProtocol = nullptr;
};
