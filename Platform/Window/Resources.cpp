#include "Platform/Window/Resources.h"

namespace Platform
{
namespace
{
template <typename T>
const T* lookUp(const std::map<unsigned, T>& aMap, unsigned anId)
{
    const auto place = aMap.find(anId);
    return place != aMap.end() ? &place->second : nullptr;
}
}

bool Resources::addDialog(const DialogTemplate& aTemplate)
{
    return myDialogs.emplace(aTemplate.id(), aTemplate).second;
}

const DialogTemplate* Resources::dialog(unsigned anId) const
{
    return lookUp(myDialogs, anId);
}

std::vector<unsigned> Resources::dialogIds() const
{
    std::vector<unsigned> ids;
    for (const auto& entry : myDialogs)
    {
        ids.push_back(entry.first);
    }
    return ids;
}

bool Resources::addMenu(unsigned anId, const Menu& aMenu)
{
    return myMenus.emplace(anId, aMenu).second;
}

const Menu* Resources::menu(unsigned anId) const
{
    return lookUp(myMenus, anId);
}

bool Resources::addToolBar(unsigned anId, const ToolBarResource& aToolBar)
{
    return myToolBars.emplace(anId, aToolBar).second;
}

const ToolBarResource* Resources::toolBar(unsigned anId) const
{
    return lookUp(myToolBars, anId);
}

bool Resources::addAccelerators(unsigned anId, const std::vector<Accelerator>& aTable)
{
    return myAccelerators.emplace(anId, aTable).second;
}

const std::vector<Accelerator>* Resources::accelerators(unsigned anId) const
{
    return lookUp(myAccelerators, anId);
}

bool Resources::addBitmap(unsigned anId, const Bitmap& aBitmap)
{
    return myBitmaps.emplace(anId, aBitmap).second;
}

const Bitmap* Resources::bitmap(unsigned anId) const
{
    return lookUp(myBitmaps, anId);
}
}
