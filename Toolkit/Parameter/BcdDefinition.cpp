#include "Toolkit/Parameter/BcdDefinition.h"

#include <ostream>

BcdDefinition::BcdDefinition(const std::string& aName)
    : ParameterDefinition(aName)
{
}

bool BcdDefinition::formatValue(std::ostream& aStream, const ParameterValue& aValue) const
{
    const unsigned int byte = aValue.toUnsignedShort() & 0xFF;
    // Nibbles that are not decimal digits follow the same rule (0xAB shows 111).
    aStream << ((byte >> 4) & 0x0F) * 10 + (byte & 0x0F);
    return isGood(aStream);
}
