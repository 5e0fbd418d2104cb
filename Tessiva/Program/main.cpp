// The Tessiva program: the application on the desktop's drawing backend.
#include "Platform/Wx/WxBackend.h"
#include "Tessiva/Program/CTessivaApp.h"
#include "Tessiva/Program/FrontPanelFactory.h"

#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::unique_ptr<Platform::WxBackend> backend;
    try
    {
        backend = std::make_unique<Platform::WxBackend>();
    }
    catch (const std::exception& anError)
    {
        std::cerr << "Tessiva: " << anError.what() << std::endl;
        return 1;
    }
    CTessivaApp application(std::make_unique<FrontPanelFactory>());
    // A signal to end ends the program as File > Exit does.
    backend->closeOnSignals([&application]() { application.onAppExit(); });
    return application.main(std::vector<std::string>(argv + 1, argv + argc));
}
