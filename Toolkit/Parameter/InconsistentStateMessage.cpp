#include "Toolkit/Parameter/InconsistentStateMessage.h"

#include "Toolkit/Parameter/Parameter.h"

InconsistentStateMessage::InconsistentStateMessage(const Parameter& aParameter)
{
    *this << "The device appears to be in an inconsistent state.  ";
    writeTextLine(*this, aParameter);
    *this << " is incompatible with " << "another parameter value.";
}
