#include "Toolkit/Parameter/ParameterCollection.h"

#include "Toolkit/Parameter/VornaException.h"

#include <sstream>

void throwParameterNotFound(const ParameterId& anId)
{
    std::ostringstream message;
    message << "Couldn't find parameter " << anId << "\n";
    throw VornaException(message.str());
}
