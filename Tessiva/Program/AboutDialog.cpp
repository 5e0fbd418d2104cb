#include "Tessiva/Program/AboutDialog.h"

#include "Platform/Framework/Application.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"
#include "Tessiva/Program/TessivaResources.h"

#include <memory>
#include <optional>
#include <string>

int AboutDialog::doModal()
{
    const Platform::Resources& resources = Platform::Application::current().resources();
    const Platform::DialogTemplate* about = resources.dialog(TessivaResources::aboutDialog);
    if (about == nullptr)
    {
        return -1;
    }
    std::unique_ptr<Platform::Window> dialog = about->create();
    Platform::Window* version = dialog->findChild(TessivaResources::aboutVersion);
    const std::optional<std::string> text = resources.strings().find(TessivaResources::versionString);
    if (version != nullptr && text)
    {
        version->setText(*text);
    }
    return Platform::Backend::current().runModal(*dialog);
}
