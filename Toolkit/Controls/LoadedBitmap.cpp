#include "Toolkit/Controls/LoadedBitmap.h"

#include "Platform/Window/Resources.h"
#include "Toolkit/Parameter/VornaException.h"

LoadedBitmap::LoadedBitmap(unsigned anId, const Platform::Bitmap& aBitmap)
    : myId(anId), myBitmap(&aBitmap)
{
}

std::optional<LoadedBitmap> LoadedBitmap::load(const Platform::Resources& aResources, unsigned anId)
{
    const Platform::Bitmap* bitmap = aResources.bitmap(anId);
    if (bitmap == nullptr)
    {
        return std::nullopt;
    }
    return LoadedBitmap(anId, *bitmap);
}

LoadedBitmap LoadedBitmap::require(const Platform::Resources& aResources, unsigned anId, const std::string& aMessage)
{
    std::optional<LoadedBitmap> loaded = load(aResources, anId);
    if (!loaded)
    {
        throw VornaException(aMessage);
    }
    return *loaded;
}
