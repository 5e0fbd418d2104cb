#pragma once

#include "Platform/Window/Accelerator.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Menu.h"
#include "Platform/Window/StringTable.h"
#include "Platform/Window/ToolBarResource.h"

#include <map>
#include <vector>

namespace Platform
{
// A program's resources by id: strings, dialog templates, menus, tool bars,
// accelerator tables and bitmaps. Each add keeps what is already there under that id and says so
// by returning false; each lookup gives nullptr for an id it does not hold, as
// loading a missing resource fails.
class Resources
{
public:
    StringTable& strings() { return myStrings; }
    const StringTable& strings() const { return myStrings; }

    bool addDialog(const DialogTemplate& aTemplate);
    const DialogTemplate* dialog(unsigned anId) const;
    // The ids of every dialog template, in order.
    std::vector<unsigned> dialogIds() const;

    bool addMenu(unsigned anId, const Menu& aMenu);
    const Menu* menu(unsigned anId) const;

    bool addToolBar(unsigned anId, const ToolBarResource& aToolBar);
    const ToolBarResource* toolBar(unsigned anId) const;

    bool addAccelerators(unsigned anId, const std::vector<Accelerator>& aTable);
    const std::vector<Accelerator>* accelerators(unsigned anId) const;

    bool addBitmap(unsigned anId, const Bitmap& aBitmap);
    const Bitmap* bitmap(unsigned anId) const;

private:
    StringTable myStrings;
    std::map<unsigned, DialogTemplate> myDialogs;
    std::map<unsigned, Menu> myMenus;
    std::map<unsigned, ToolBarResource> myToolBars;
    std::map<unsigned, Bitmap> myBitmaps;
    std::map<unsigned, std::vector<Accelerator>> myAccelerators;
};
}
