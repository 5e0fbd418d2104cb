#pragma once

#include "Toolkit/Parameter/Observer.h"

// Attached to a parameter only so that its subject gives a page that
// parameter later; it shows nothing.
class ParameterHandleObserver : public Observer
{
public:
    ParameterHandleObserver();
    void update(Subject* aSubject) override;
};
