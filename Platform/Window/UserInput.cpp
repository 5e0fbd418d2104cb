#include "Platform/Window/UserInput.h"

#include "Platform/Assertion.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/Window.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
    if (aControl.canTakeFocus())
    {
        aControl.setFocus();
    }
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

bool UserInput::isStop(const Window& aControl) const
{
    if (!aControl.canTakeFocus() || !aControl.style().tabStop || !reaches(aControl))
    {
        return false;
    }
    if (aControl.kind() != WindowKind::RadioButton)
    {
        return true;
    }
    // The arrow keys move within a group; Tab enters it at its checked
    // button, or at the first one the user reaches when none is checked.
    const std::vector<Window*> group = aControl.radioGroup();
    const auto reachable = [this](const Window* aButton) { return aButton->canTakeFocus() && reaches(*aButton); };
    const auto checked = std::find_if(group.begin(), group.end(), [&reachable](const Window* aButton) {
        return aButton->isChecked() && reachable(aButton);
    });
    if (checked != group.end())
    {
        return *checked == &aControl;
    }
    return *std::find_if(group.begin(), group.end(), reachable) == &aControl;
}

void UserInput::collectStops(const Window& aWindow, const Window* aCurrent, std::vector<Window*>& aStops) const
{
    for (Window* child : aWindow.children())
    {
        if (child == aCurrent || isStop(*child))
        {
            aStops.push_back(child);
        }
        // What is hidden holds no stop, but the focus may have stayed there.
        if (child->isShown() || (aCurrent != nullptr && child->isAncestorOf(*aCurrent)))
        {
            collectStops(*child, aCurrent, aStops);
        }
    }
}

Window& UserInput::tabScope(Window& aControl) const
{
    Window* scope = &aControl;
    while (scope->parent() != nullptr && scope != myModal)
    {
        scope = scope->parent();
    }
    return *scope;
}

void UserInput::focusStop(Window& aStop)
{
    aStop.setFocus();
    if (aStop.kind() == WindowKind::Edit && aStop.hasFocus())
    {
        aStop.selectText(0, -1);
    }
}

bool UserInput::tab(Window& aControl, bool aBackward) const
{
    if (!aControl.hasFocus())
    {
        return false;
    }
    std::vector<Window*> stops;
    Window& scope = tabScope(aControl);
    if (&scope != &aControl)
    {
        collectStops(scope, &aControl, stops);
    }
    const auto mine = std::find(stops.begin(), stops.end(), &aControl);
    if (mine == stops.end() || stops.size() < 2)
    {
        Window::clearFocus();
        return true;
    }
    const std::size_t count = stops.size();
    const std::size_t index = static_cast<std::size_t>(mine - stops.begin());
    focusStop(*stops[(aBackward ? index + count - 1 : index + 1) % count]);
    return true;
}

bool UserInput::tabInto(Window& aWindow, bool aBackward) const
{
    std::vector<Window*> stops;
    collectStops(aWindow, nullptr, stops);
    if (stops.empty())
    {
        return false;
    }
    focusStop(aBackward ? *stops.back() : *stops.front());
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
    Event event(Notification::SpinDelta, anUpDown);
    event.delta = (anUp ? anUpDown.upwards() : -anUpDown.upwards()) * anUpDown.incrementAfter(aSeconds);
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

bool UserInput::stepTab(Window& aTabControl, bool aForward, bool aRound) const
{
    VORNA_ASSERT(aTabControl.kind() == WindowKind::TabControl);
    const int count = aTabControl.itemCount();
    if (!reaches(aTabControl) || count == 0)
    {
        return false;
    }
    int index = aTabControl.selection() < 0 ? (aForward ? 0 : count - 1)
                                            : aTabControl.selection() + (aForward ? 1 : -1);
    if (index < 0 || index >= count)
    {
        if (!aRound)
        {
            return false;
        }
        index = (index + count) % count;
    }
    const Window::Watch tabs(aTabControl);
    selectTab(aTabControl, index);
    Window* focus = Window::focus();
    // The focus left on the page that went goes on into the page shown now,
    // where the user is working; the row keeps it if that page has no stop.
    if (tabs.alive() && focus != nullptr && aTabControl.isAncestorOf(*focus) && !reaches(*focus) &&
        !tabInto(aTabControl))
    {
        aTabControl.setFocus();
    }
    return true;
}

Window* UserInput::innermostTabControl(Window& aScope) const
{
    Window* innermost = nullptr;
    int innermostDepth = -1;
    std::vector<std::pair<Window*, int>> pending{std::make_pair(&aScope, 0)};
    while (!pending.empty())
    {
        const std::pair<Window*, int> next = pending.back();
        pending.pop_back();
        Window* window = next.first;
        if (window->kind() == WindowKind::TabControl && window->itemCount() > 0 && reaches(*window) &&
            next.second > innermostDepth)
        {
            innermost = window;
            innermostDepth = next.second;
        }
        // Depth first, in template order.
        const std::vector<Window*> children = window->children();
        for (auto child = children.rbegin(); child != children.rend(); ++child)
        {
            if ((*child)->isShown())
            {
                pending.push_back(std::make_pair(*child, next.second + 1));
            }
        }
    }
    return innermost;
}

Window* UserInput::arrowKeysUpDown(const Window& anEdit)
{
    if (anEdit.kind() != WindowKind::Edit || anEdit.parent() == nullptr)
    {
        return nullptr;
    }
    for (Window* sibling : anEdit.parent()->children())
    {
        if (sibling->kind() == WindowKind::UpDown && sibling->style().arrowKeys && sibling->buddy() == &anEdit)
        {
            return sibling;
        }
    }
    return nullptr;
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
