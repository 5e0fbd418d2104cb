#include "Platform/Window/Menu.h"

#include "Platform/Assertion.h"

namespace Platform
{
Menu::Menu(const Menu& aMenu) : myItems(aMenu.myItems)
{
    for (Item& item : myItems)
    {
        if (item.popup != nullptr)
        {
            item.popup = std::make_shared<Menu>(*item.popup);
        }
    }
}

Menu& Menu::operator=(const Menu& aMenu)
{
    if (this != &aMenu)
    {
        Menu copy(aMenu);
        myItems.swap(copy.myItems);
    }
    return *this;
}

Menu& Menu::addCommand(unsigned aCommand, const std::string& aText)
{
    VORNA_ASSERT(aCommand != 0);
    myItems.push_back(Item{aCommand, aText, nullptr});
    return *this;
}

Menu& Menu::addSeparator()
{
    myItems.push_back(Item{0, std::string(), nullptr});
    return *this;
}

Menu& Menu::addPopup(const std::string& aText)
{
    myItems.push_back(Item{0, aText, std::make_shared<Menu>()});
    return *myItems.back().popup;
}

const Menu::Item* Menu::findCommand(unsigned aCommand) const
{
    for (const Item& item : myItems)
    {
        if (item.command == aCommand && aCommand != 0)
        {
            return &item;
        }
        if (item.popup != nullptr)
        {
            const Item* found = item.popup->findCommand(aCommand);
            if (found != nullptr)
            {
                return found;
            }
        }
    }
    return nullptr;
}

const Menu* Menu::findPopup(const std::string& aText) const
{
    for (const Item& item : myItems)
    {
        if (item.popup != nullptr && item.text == aText)
        {
            return item.popup.get();
        }
    }
    return nullptr;
}
}
