#include "Tessiva/Controls/ParameterHandleObserver.h"

ParameterHandleObserver::ParameterHandleObserver()
{
}

ParameterHandleObserver::~ParameterHandleObserver()
{
}

void ParameterHandleObserver::update(Subject*)
{
}
