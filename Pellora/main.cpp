// The Pellora program. The window needs a drawing backend; until one is
// built in, the program says so and ends.
#include "Pellora/PelloraApp.h"
#include "Platform/Window/Backend.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (!Platform::Backend::isInstalled())
    {
        std::cout << "Pellora: no drawing backend is built in yet, so its window cannot be shown." << std::endl;
        return 0;
    }
    PelloraApp application;
    return application.main(std::vector<std::string>(argv + 1, argv + argc));
}
