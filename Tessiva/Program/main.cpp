// The Tessiva program. Its window needs a drawing backend; until one is
// built in, the program says so and ends.
#include "Platform/Window/Backend.h"
#include "Tessiva/Program/CTessivaApp.h"
#include "Tessiva/Program/FrontPanelFactory.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // The drawing backend is installed here, before the application starts
    // (Platform::Backend::install), once the window layer has one.
    if (!Platform::Backend::isInstalled())
    {
        std::cout << "Tessiva: no drawing backend is built in yet, so its window cannot be shown." << std::endl;
        return 0;
    }
    CTessivaApp application(std::unique_ptr<PanelFactory>(new FrontPanelFactory()));
    return application.main(std::vector<std::string>(argv + 1, argv + argc));
}
