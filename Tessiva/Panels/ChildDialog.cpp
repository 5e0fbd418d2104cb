#include "Tessiva/Panels/ChildDialog.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Event.h"
#include "Platform/Window/Resources.h"

ChildDialog::ChildDialog(unsigned aTemplateId) : myTemplateId(aTemplateId)
{
}

ChildDialog::~ChildDialog()
{
    destroyWindow();
}

const Platform::Resources& ChildDialog::resources()
{
    VORNA_ASSERT(Platform::Application::exists());
    return Platform::Application::current().resources();
}

const Platform::StringTable& ChildDialog::strings()
{
    return resources().strings();
}

bool ChildDialog::create(unsigned aTemplateId, Platform::Window* aParent)
{
    return create(aTemplateId, aParent, resources());
}

bool ChildDialog::create(unsigned aTemplateId, Platform::Window* aParent, const Platform::Resources& aResources)
{
    VORNA_ASSERT(aParent != NULL);
    VORNA_ASSERT(window() == NULL);
    myTemplateId = aTemplateId;
    const Platform::DialogTemplate* layout = aResources.dialog(aTemplateId);
    if (layout == nullptr)
    {
        return false;
    }
    Platform::Window& created = layout->createIn(*aParent);
    myWindow.emplace(created);
    created.on(Platform::Notification::Command, Platform::DialogResult::ok, [this](Platform::Event&) { onOK(); });
    created.on(Platform::Notification::Command, Platform::DialogResult::cancel,
               [this](Platform::Event&) { onCancel(); });
    onInitDialog();
    return true;
}

bool ChildDialog::createIn(Platform::Window* aParent)
{
    const bool created = create(myTemplateId, aParent);
    raiseWindow();
    return created;
}

void ChildDialog::destroyWindow()
{
    Platform::Window* own = window();
    if (own != nullptr && own->parent() != nullptr)
    {
        own->parent()->destroyChild(*own);
    }
    myWindow.reset();
}

Platform::Window* ChildDialog::window() const
{
    return myWindow ? myWindow->get() : nullptr;
}

Platform::Window& ChildDialog::control(int anId) const
{
    Platform::Window* own = window();
    VORNA_ASSERT(own != NULL);
    Platform::Window* found = own->findChild(anId);
    VORNA_ASSERT(found != NULL);
    return *found;
}

void ChildDialog::showWindow(bool aShown)
{
    if (Platform::Window* own = window())
    {
        own->show(aShown);
    }
}

void ChildDialog::enableWindow(bool anEnabled)
{
    if (Platform::Window* own = window())
    {
        own->enable(anEnabled);
    }
}

void ChildDialog::raiseWindow()
{
    if (Platform::Window* own = window())
    {
        own->raise();
    }
}

bool ChildDialog::onInitDialog()
{
    doDataExchange();
    return true;
}

void ChildDialog::doDataExchange()
{
}

void ChildDialog::onOK()
{
}

void ChildDialog::onCancel()
{
}
