#pragma once

#include <vector>

namespace Platform
{
// A tool bar: its buttons' commands in order (0 for a separator), the size of
// a button's picture, and the bitmap that holds the pictures side by side,
// one per command in order.
struct ToolBarResource
{
    int buttonWidth = 16;
    int buttonHeight = 15;
    unsigned bitmap = 0;
    std::vector<unsigned> commands;

    // The commands without the separators.
    std::vector<unsigned> buttons() const
    {
        std::vector<unsigned> result;
        for (unsigned command : commands)
        {
            if (command != 0)
            {
                result.push_back(command);
            }
        }
        return result;
    }
};
}
