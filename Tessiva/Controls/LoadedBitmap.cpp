#include "Tessiva/Controls/LoadedBitmap.h"

#include "Platform/Window/Resources.h"

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
