#include "Toolkit/Controls/ParameterHandleObserver.h"

ParameterHandleObserver::ParameterHandleObserver()
{
}

void ParameterHandleObserver::update(Subject*)
{
}
