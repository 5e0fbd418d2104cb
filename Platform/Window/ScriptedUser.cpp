#include "Platform/Window/ScriptedUser.h"

#include "Platform/Assertion.h"
#include "Platform/Window/ScriptFailure.h"
#include "Platform/Window/UserInput.h"
#include "Platform/Window/Window.h"

#include <algorithm>

namespace Platform
{
namespace
{
const char* fileDialogName(FileDialogKind aKind)
{
    return aKind == FileDialogKind::Open ? "open file dialog" : "save file dialog";
}

bool isButtonLike(WindowKind aKind)
{
    return aKind == WindowKind::Button || aKind == WindowKind::CheckBox || aKind == WindowKind::RadioButton;
}

void requireKind(const Window& aControl, bool aRight, const std::string& anInput)
{
    if (!aRight)
    {
        throw ScriptFailure("Cannot " + anInput + " the " + aControl.describe());
    }
}
}

struct ScriptedUser::Answer
{
    enum class Kind
    {
        Dialog,
        MessageBox,
        FileDialog
    };

    Kind kind;
    std::string description;
    unsigned templateId;
    DialogScript dialogScript;
    std::string text;
    MessageBoxScript messageBoxScript;
    FileDialogKind fileKind;
    std::string path;
    std::string filter;
    bool cancelled;
};

ScriptedUser::ScriptedUser(HeadlessBackend& aBackend) : myBackend(aBackend)
{
    myBackend.setUser(this);
}

ScriptedUser::~ScriptedUser()
{
    myBackend.setUser(nullptr);
}

void ScriptedUser::lookAt(Window& aWindow)
{
    myMain.emplace(aWindow);
}

void ScriptedUser::expectDialog(unsigned aTemplateId, const DialogScript& aScript)
{
    VORNA_ASSERT(aScript != nullptr);
    Answer answer{Answer::Kind::Dialog, "dialog " + std::to_string(aTemplateId), aTemplateId, aScript,
                  std::string(), MessageBoxScript(), FileDialogKind::Open, std::string(), std::string(), false};
    myAnswers.push_back(answer);
}

void ScriptedUser::expectDialog(unsigned aTemplateId, int aButtonId)
{
    expectDialog(aTemplateId, [this, aButtonId](Window&) {
        if (!click(aButtonId))
        {
            throw ScriptFailure("The button " + std::to_string(aButtonId) + " cannot be clicked");
        }
    });
}

void ScriptedUser::expectMessageBox(const std::string& aText, int anAnswer)
{
    expectMessageBox(aText, [anAnswer](const MessageBoxRequest& aRequest) {
        return anAnswer != 0 ? anAnswer : aRequest.answers().front();
    });
}

void ScriptedUser::expectMessageBox(const std::string& aText, const MessageBoxScript& aScript)
{
    VORNA_ASSERT(aScript != nullptr);
    Answer answer{Answer::Kind::MessageBox, "message box \"" + aText + "\"", 0, DialogScript(), aText, aScript,
                  FileDialogKind::Open, std::string(), std::string(), false};
    myAnswers.push_back(answer);
}

void ScriptedUser::expectFileDialog(FileDialogKind aKind, const std::string& aPath, const std::string& aFilter)
{
    Answer answer{Answer::Kind::FileDialog, fileDialogName(aKind), 0, DialogScript(), std::string(),
                  MessageBoxScript(), aKind, aPath, aFilter, false};
    myAnswers.push_back(answer);
}

void ScriptedUser::expectFileDialogCancelled(FileDialogKind aKind)
{
    Answer answer{Answer::Kind::FileDialog, fileDialogName(aKind), 0, DialogScript(), std::string(),
                  MessageBoxScript(), aKind, std::string(), std::string(), true};
    myAnswers.push_back(answer);
}

std::size_t ScriptedUser::pendingAnswers() const
{
    return myAnswers.size();
}

void ScriptedUser::finish() const
{
    if (myAnswers.empty())
    {
        return;
    }
    std::string left;
    for (const Answer& answer : myAnswers)
    {
        left += (left.empty() ? "" : ", ") + answer.description;
    }
    throw ScriptFailure("Never asked for: " + left);
}

void ScriptedUser::playDialog(Window& aDialog)
{
    const std::string shown = aDialog.describe();
    if (myAnswers.empty())
    {
        throw ScriptFailure("Unexpected " + shown);
    }
    if (myAnswers.front().kind != Answer::Kind::Dialog || myAnswers.front().templateId != aDialog.templateId())
    {
        throw ScriptFailure("Expected " + myAnswers.front().description + ", got " + shown);
    }
    const DialogScript script = myAnswers.front().dialogScript;
    myAnswers.pop_front();
    script(aDialog);
}

int ScriptedUser::answerMessageBox(const MessageBoxRequest& aRequest)
{
    const std::string shown = "message box \"" + aRequest.text + "\"";
    if (myAnswers.empty())
    {
        throw ScriptFailure("Unexpected " + shown);
    }
    if (myAnswers.front().kind != Answer::Kind::MessageBox || myAnswers.front().text != aRequest.text)
    {
        throw ScriptFailure("Expected " + myAnswers.front().description + ", got " + shown);
    }
    const MessageBoxScript script = myAnswers.front().messageBoxScript;
    myAnswers.pop_front();
    const int answer = script(aRequest);
    const std::vector<int> buttons = aRequest.answers();
    if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end())
    {
        throw ScriptFailure("The " + shown + " has no button " + std::to_string(answer));
    }
    return answer;
}

bool ScriptedUser::answerFileDialog(const FileDialogRequest& aRequest, std::string& aPath)
{
    const std::string shown = std::string(fileDialogName(aRequest.kind)) + " for \"" + aRequest.filter + "\"";
    if (myAnswers.empty())
    {
        throw ScriptFailure("Unexpected " + shown);
    }
    const Answer answer = myAnswers.front();
    if (answer.kind != Answer::Kind::FileDialog || answer.fileKind != aRequest.kind ||
        (!answer.filter.empty() && answer.filter != aRequest.filter))
    {
        throw ScriptFailure("Expected " + answer.description + (answer.filter.empty() ? "" : " for \"" + answer.filter + "\"") +
                            ", got " + shown);
    }
    myAnswers.pop_front();
    if (answer.cancelled)
    {
        return false;
    }
    aPath = aRequest.completedPath(answer.path);
    return true;
}

Window& ScriptedUser::scope() const
{
    Window* dialog = myBackend.activeDialog();
    if (dialog != nullptr)
    {
        return *dialog;
    }
    if (!myMain || !myMain->alive())
    {
        throw ScriptFailure("No window to act on: no modal dialog runs and no main window is looked at");
    }
    return *myMain->get();
}

Window& ScriptedUser::control(int anId) const
{
    Window& within = scope();
    std::vector<Window*> all;
    std::vector<Window*> pending = within.children();
    while (!pending.empty())
    {
        Window* window = pending.front();
        pending.erase(pending.begin());
        if (window->id() == anId)
        {
            all.push_back(window);
        }
        const std::vector<Window*> below = window->children();
        pending.insert(pending.end(), below.begin(), below.end());
    }
    std::vector<Window*> visible;
    std::copy_if(all.begin(), all.end(), std::back_inserter(visible), [](Window* aWindow) { return aWindow->isVisible(); });
    const std::vector<Window*>& candidates = visible.empty() ? all : visible;
    if (candidates.empty())
    {
        throw ScriptFailure("No control " + std::to_string(anId) + " in the " + within.describe());
    }
    if (candidates.size() > 1)
    {
        throw ScriptFailure("Several controls " + std::to_string(anId) + " in the " + within.describe());
    }
    return *candidates.front();
}

UserInput ScriptedUser::input() const
{
    return UserInput(myBackend.activeDialog());
}

void ScriptedUser::settle()
{
    myBackend.processPending();
}

bool ScriptedUser::click(int anId)
{
    return click(control(anId));
}

bool ScriptedUser::click(Window& aControl)
{
    requireKind(aControl, isButtonLike(aControl.kind()) || aControl.kind() == WindowKind::Edit, "click");
    const bool taken = input().click(aControl);
    settle();
    return taken;
}

bool ScriptedUser::pick(int anId, int anIndex)
{
    return pick(control(anId), anIndex);
}

bool ScriptedUser::pick(Window& aControl, int anIndex)
{
    if (aControl.kind() == WindowKind::TabControl)
    {
        return selectTab(aControl, anIndex);
    }
    requireKind(aControl, aControl.kind() == WindowKind::ComboBox || aControl.kind() == WindowKind::ListBox, "pick in");
    if (anIndex < 0 || anIndex >= aControl.itemCount())
    {
        throw ScriptFailure("No item " + std::to_string(anIndex) + " to pick in the " + aControl.describe());
    }
    const bool taken = input().pick(aControl, anIndex);
    settle();
    return taken;
}

bool ScriptedUser::type(int anId, const std::string& aText)
{
    return type(control(anId), aText);
}

bool ScriptedUser::type(Window& anEdit, const std::string& aText)
{
    requireKind(anEdit, anEdit.kind() == WindowKind::Edit, "type into");
    const Window::Watch edit(anEdit);
    if (!input().selectAll(anEdit))
    {
        settle();
        return false;
    }
    if (aText.empty())
    {
        const bool emptied = input().deleteKey() || (edit.alive() && anEdit.text().empty());
        settle();
        return emptied;
    }
    return typeKeys(aText);
}

bool ScriptedUser::typeKeys(const std::string& aText)
{
    bool allTaken = true;
    for (char character : aText)
    {
        allTaken = input().key(character) && allTaken;
        settle();
    }
    return allTaken;
}

bool ScriptedUser::leave(int anId)
{
    return leave(control(anId));
}

bool ScriptedUser::leave(Window& aControl)
{
    const bool left = input().tab(aControl);
    settle();
    return left;
}

bool ScriptedUser::spin(int anId, Arrow anArrow, double aSeconds)
{
    return spin(control(anId), anArrow, aSeconds);
}

bool ScriptedUser::spin(Window& anUpDown, Arrow anArrow, double aSeconds)
{
    requireKind(anUpDown, anUpDown.kind() == WindowKind::UpDown, "spin");
    const bool taken = input().spin(anUpDown, anArrow == Arrow::Up, aSeconds);
    settle();
    return taken;
}

bool ScriptedUser::selectTab(int anId, int anIndex)
{
    return selectTab(control(anId), anIndex);
}

bool ScriptedUser::selectTab(Window& aTabControl, int anIndex)
{
    requireKind(aTabControl, aTabControl.kind() == WindowKind::TabControl, "select a tab of");
    if (anIndex < 0 || anIndex >= aTabControl.itemCount())
    {
        throw ScriptFailure("No tab " + std::to_string(anIndex) + " in the " + aTabControl.describe());
    }
    const bool taken = input().selectTab(aTabControl, anIndex);
    settle();
    return taken;
}

void ScriptedUser::pressEnter()
{
    Window* dialog = UserInput::dialogOfFocus(scope());
    if (dialog != nullptr)
    {
        input().enter(*dialog);
    }
    settle();
}

void ScriptedUser::pressEscape()
{
    Window* dialog = UserInput::dialogOfFocus(scope());
    if (dialog != nullptr)
    {
        input().escape(*dialog);
    }
    settle();
}

void ScriptedUser::closeWindow()
{
    input().close(scope());
    settle();
}

void ScriptedUser::endSession()
{
    if (myMain && myMain->alive())
    {
        Event event(Notification::SessionEnd, *myMain->get());
        myMain->get()->notify(event);
    }
    settle();
}

bool ScriptedUser::command(unsigned aCommandId)
{
    if (myBackend.activeDialog() != nullptr || !myMain || !myMain->alive())
    {
        return false;
    }
    const bool taken = myMain->get()->command(static_cast<int>(aCommandId));
    settle();
    return taken;
}

unsigned ScriptedUser::tick(unsigned aRounds)
{
    unsigned ticks = 0;
    for (unsigned round = 0; round < aRounds; ++round)
    {
        // Timer ticks come only when no other message waits.
        settle();
        ticks += myBackend.tickAll();
        settle();
    }
    return ticks;
}

unsigned ScriptedUser::wait(unsigned aMilliseconds)
{
    const unsigned ticks = myBackend.passTime(aMilliseconds, [this]() { settle(); });
    settle();
    return ticks;
}
}
