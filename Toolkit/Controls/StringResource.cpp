#include "Toolkit/Controls/StringResource.h"

#include "Platform/Window/StringTable.h"
#include "Toolkit/Parameter/VornaException.h"

#include <limits>
#include <optional>

std::string StringResource::load(const Platform::StringTable& aStrings, long anId)
{
    if (anId >= 0 && static_cast<unsigned long>(anId) <= std::numeric_limits<unsigned>::max())
    {
        const std::optional<std::string> text = aStrings.find(static_cast<unsigned>(anId));
        if (text)
        {
            return *text;
        }
    }
    throw VornaException("Unable to load the string with id: " + std::to_string(anId));
}
