#pragma once

#include <optional>
#include <string>

namespace Platform
{
class Bitmap;
class Resources;
}

// A bitmap resource that a panel has loaded to put on its statics and
// buttons: the picture and the id by which a window shows it.
class LoadedBitmap
{
public:
    LoadedBitmap(unsigned anId, const Platform::Bitmap& aBitmap);

    // Empty when the resources hold no bitmap of that id.
    [[nodiscard]] static std::optional<LoadedBitmap> load(const Platform::Resources& aResources, unsigned anId);
    // The same for a bitmap a panel cannot do without: its absence throws
    // VornaException with aMessage.
    static LoadedBitmap require(const Platform::Resources& aResources, unsigned anId, const std::string& aMessage);

    unsigned id() const { return myId; }
    const Platform::Bitmap& bitmap() const { return *myBitmap; }

private:
    unsigned myId;
    const Platform::Bitmap* myBitmap;
};
