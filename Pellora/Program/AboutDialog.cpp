#include "Pellora/Program/AboutDialog.h"

#include "Pellora/Program/PelloraResources.h"
#include "Platform/Framework/Application.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"
#include "Platform/Window/Window.h"

#include <memory>
#include <optional>
#include <string>

void AboutDialog::run()
{
    const Platform::Resources& resources = Platform::Application::current().resources();
    const Platform::DialogTemplate* about = resources.dialog(PelloraResources::aboutDialog);
    if (about == nullptr)
    {
        return;
    }
    std::unique_ptr<Platform::Window> dialog = about->create();
    Platform::Window* version = dialog->findChild(PelloraResources::aboutVersion);
    const std::optional<std::string> text = resources.strings().find(PelloraResources::versionString);
    if (version != nullptr && text)
    {
        version->setText(*text);
    }
    Platform::Backend::current().runModal(*dialog);
}
