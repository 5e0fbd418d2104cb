#pragma once

#include <memory>
#include <string>
#include <vector>

namespace Platform
{
// A menu: commands, separators and pop-ups, in order. A menu bar is a menu of
// pop-ups. Texts keep their '&' before the access key ("&File").
class Menu
{
public:
    struct Item
    {
        unsigned command;            // 0 for separators and pop-ups
        std::string text;
        std::shared_ptr<Menu> popup; // set for a pop-up

        bool isSeparator() const { return command == 0 && popup == nullptr; }
    };

    Menu() {}
    // Copies are deep: a copy's pop-ups are its own.
    Menu(const Menu& aMenu);
    Menu& operator=(const Menu& aMenu);

    Menu& addCommand(unsigned aCommand, const std::string& aText);
    Menu& addSeparator();
    // Appends a pop-up and returns it, to be filled.
    Menu& addPopup(const std::string& aText);

    const std::vector<Item>& items() const { return myItems; }
    // The item of a command here or in any pop-up below, or nullptr.
    const Item* findCommand(unsigned aCommand) const;
    // The pop-up of that text on this level, or nullptr.
    const Menu* findPopup(const std::string& aText) const;

private:
    std::vector<Item> myItems;
};
}
