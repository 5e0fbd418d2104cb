#include "Tessiva/Panels/ParameterHandleObserver.h"

ParameterHandleObserver::ParameterHandleObserver()
{
}

ParameterHandleObserver::~ParameterHandleObserver()
{
}

void ParameterHandleObserver::update(Subject*)
{
}
