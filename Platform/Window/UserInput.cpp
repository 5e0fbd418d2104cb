#include "Platform/Window/UserInput.h"

#include "Platform/Assertion.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/Window.h"

#include <algorithm>
#include <optional>
#include <string>

namespace Platform
{
namespace
{
bool isButtonLike(WindowKind aKind)
{
    return aKind == WindowKind::Button || aKind == WindowKind::CheckBox || aKind == WindowKind::RadioButton;
}
}

UserInput::UserInput(const Window* aModal) : myModal(aModal)
{
}

bool UserInput::reaches(const Window& aControl) const
{
    if (myModal != nullptr && myModal != &aControl && !myModal->isAncestorOf(aControl))
    {
        return false;
    }
    return aControl.isReachable();
}

bool UserInput::click(Window& aControl) const
{
    VORNA_ASSERT(isButtonLike(aControl.kind()) || aControl.kind() == WindowKind::Edit);
    if (!reaches(aControl))
    {
        return false;
    }
    const Window::Watch control(aControl);
    aControl.setFocus();
    // Losing the focus may have disabled, hidden or destroyed it.
    if (!control.alive() || !reaches(aControl))
    {
        return false;
    }
    if (aControl.kind() == WindowKind::Edit)
    {
        return true;
    }
    aControl.setPressed(false);
    if (aControl.style().automatic)
    {
        if (aControl.kind() == WindowKind::CheckBox)
        {
            aControl.setChecked(!aControl.isChecked());
        }
        else if (aControl.kind() == WindowKind::RadioButton)
        {
            for (Window* button : aControl.radioGroup())
            {
                button->setChecked(button == &aControl);
            }
        }
    }
    const int id = aControl.id();
    Window* dialog = aControl.enclosingDialog();
    std::optional<Window::Watch> dialogWatch;
    if (dialog != nullptr)
    {
        dialogWatch.emplace(*dialog);
    }
    Event clicked(Notification::Clicked, aControl);
    if (!aControl.notify(clicked) && dialogWatch && dialogWatch->alive())
    {
        dialog->command(id);
    }
    return true;
}

bool UserInput::pick(Window& aControl, int anIndex) const
{
    VORNA_ASSERT(aControl.kind() == WindowKind::ComboBox || aControl.kind() == WindowKind::ListBox);
    VORNA_ASSERT(anIndex >= 0 && anIndex < aControl.itemCount());
    if (!reaches(aControl) || (aControl.kind() == WindowKind::ListBox && aControl.isReadOnly()))
    {
        return false;
    }
    const Window::Watch control(aControl);
    aControl.setFocus();
    if (!control.alive() || !reaches(aControl) || anIndex >= aControl.itemCount())
    {
        return false;
    }
    const bool changed = aControl.selection() != anIndex;
    aControl.setSelection(anIndex);
    if (aControl.kind() == WindowKind::ComboBox || (changed && aControl.style().notify))
    {
        Event event(Notification::SelectionChanged, aControl);
        aControl.notify(event);
    }
    return true;
}

bool UserInput::selectAll(Window& anEdit) const
{
    VORNA_ASSERT(anEdit.kind() == WindowKind::Edit);
    if (!reaches(anEdit))
    {
        return false;
    }
    const Window::Watch edit(anEdit);
    anEdit.setFocus();
    if (!edit.alive() || !reaches(anEdit) || !anEdit.hasFocus())
    {
        return false;
    }
    anEdit.selectText(0, -1);
    return true;
}

bool UserInput::key(char aCharacter) const
{
    Window* target = Window::focus();
    if (target == nullptr || target->kind() != WindowKind::Edit || !reaches(*target))
    {
        return false;
    }
    return target->typeCharacter(aCharacter);
}

bool UserInput::deleteKey() const
{
    Window* target = Window::focus();
    if (target == nullptr || target->kind() != WindowKind::Edit || !reaches(*target))
    {
        return false;
    }
    return target->deleteSelection();
}

bool UserInput::paste(const std::string& aText) const
{
    Window* target = Window::focus();
    if (target == nullptr || target->kind() != WindowKind::Edit || !reaches(*target))
    {
        return false;
    }
    return target->replaceSelection(aText);
}

bool UserInput::tab(Window& aControl) const
{
    if (!aControl.hasFocus())
    {
        return false;
    }
    Window* next = nullptr;
    Window* parent = aControl.parent();
    if (parent != nullptr)
    {
        const std::vector<Window*> siblings = parent->children();
        const std::size_t mine =
            static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), &aControl) - siblings.begin());
        for (std::size_t step = 1; step < siblings.size() && next == nullptr; ++step)
        {
            Window* candidate = siblings[(mine + step) % siblings.size()];
            if (candidate->canTakeFocus() && candidate->style().tabStop && reaches(*candidate))
            {
                next = candidate;
            }
        }
    }
    if (next == nullptr)
    {
        Window::clearFocus();
        return true;
    }
    next->setFocus();
    if (next->kind() == WindowKind::Edit && next->hasFocus())
    {
        next->selectText(0, -1);
    }
    return true;
}

bool UserInput::spin(Window& anUpDown, bool anUp, double aSeconds) const
{
    VORNA_ASSERT(anUpDown.kind() == WindowKind::UpDown);
    if (!reaches(anUpDown))
    {
        return false;
    }
    const Window::Watch upDown(anUpDown);
    Window* buddy = anUpDown.buddy();
    if (buddy != nullptr && reaches(*buddy))
    {
        buddy->setFocus();
        if (!upDown.alive() || !reaches(anUpDown))
        {
            return false;
        }
    }
    // The up arrow moves towards upper, whichever way round the range is.
    const int towardsUpper = anUpDown.upper() >= anUpDown.lower() ? 1 : -1;
    Event event(Notification::SpinDelta, anUpDown);
    event.delta = (anUp ? towardsUpper : -towardsUpper) * anUpDown.incrementAfter(aSeconds);
    event.position = anUpDown.position();
    anUpDown.notify(event);
    if (upDown.alive() && event.result == 0)
    {
        anUpDown.setPosition(event.position + event.delta);
        Window* target = anUpDown.buddy();
        if (anUpDown.style().setBuddyInteger && target != nullptr)
        {
            target->setText(std::to_string(anUpDown.position()));
        }
    }
    return true;
}

bool UserInput::selectTab(Window& aTabControl, int anIndex) const
{
    VORNA_ASSERT(aTabControl.kind() == WindowKind::TabControl);
    VORNA_ASSERT(anIndex >= 0 && anIndex < aTabControl.itemCount());
    if (!reaches(aTabControl))
    {
        return false;
    }
    if (aTabControl.selection() == anIndex)
    {
        return true;
    }
    const Window::Watch tabs(aTabControl);
    Event changing(Notification::TabSelectionChanging, aTabControl);
    aTabControl.notify(changing);
    if (tabs.alive() && changing.result == 0 && anIndex < aTabControl.itemCount())
    {
        aTabControl.setSelection(anIndex);
        Event changed(Notification::TabSelectionChanged, aTabControl);
        aTabControl.notify(changed);
    }
    return true;
}

void UserInput::enter(Window& aDialog) const
{
    Window* focus = Window::focus();
    if (focus != nullptr && focus->kind() == WindowKind::Button && aDialog.isAncestorOf(*focus) && reaches(*focus))
    {
        click(*focus);
        return;
    }
    for (Window* child : aDialog.children())
    {
        if (child->kind() == WindowKind::Button && child->style().defaultButton && reaches(*child))
        {
            click(*child);
            return;
        }
    }
    aDialog.command(DialogResult::ok);
}

void UserInput::escape(Window& aDialog) const
{
    aDialog.command(DialogResult::cancel);
}

void UserInput::close(Window& aWindow) const
{
    Event event(Notification::Close, aWindow);
    if (!aWindow.notify(event) && aWindow.kind() == WindowKind::Dialog)
    {
        aWindow.command(DialogResult::cancel);
    }
}

Window* UserInput::dialogOfFocus(Window& aScope)
{
    Window* focus = Window::focus();
    if (focus != nullptr && (focus == &aScope || aScope.isAncestorOf(*focus)))
    {
        return focus->kind() == WindowKind::Dialog ? focus : focus->enclosingDialog();
    }
    return aScope.kind() == WindowKind::Dialog ? &aScope : nullptr;
}
}
