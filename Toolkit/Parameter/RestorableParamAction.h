#pragma once

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <utility>

// What the whole-map operations that write a configuration file share: they
// take only the restorable control parameters, tested here once, so that the
// count written first and the records written after it cover the same ones.
// TAction takes each such entry in its take(anEntry).
template <class TAction>
class RestorableParamAction
{
public:
    void operator()(const std::pair<const ParameterId, ControlParameter>& anEntry)
    {
        if (anEntry.second.restorable())
        {
            static_cast<TAction*>(this)->take(anEntry);
        }
    }

protected:
    RestorableParamAction() = default;
    ~RestorableParamAction() = default;
};
