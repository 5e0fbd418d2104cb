#include "Platform/Window/HeadlessBackend.h"

#include "Platform/Assertion.h"
#include "Platform/Window/ScriptFailure.h"

#include <algorithm>

namespace Platform
{
namespace
{
// Takes a dialog off the modal stack however its loop ends.
class ModalEntry
{
public:
    ModalEntry(std::vector<Window::Watch>& aStack, Window& aDialog) : myStack(aStack), myDialog(aDialog)
    {
        myStack.push_back(Window::Watch(aDialog));
        aDialog.beginModal();
        aDialog.show(true);
    }
    ~ModalEntry()
    {
        if (myStack.back().alive())
        {
            myDialog.finishModal();
            myDialog.show(false);
        }
        myStack.pop_back();
    }

private:
    std::vector<Window::Watch>& myStack;
    Window& myDialog;
};

std::vector<Window*> living(const std::vector<Window::Watch>& aWatches)
{
    std::vector<Window*> result;
    for (const Window::Watch& watch : aWatches)
    {
        if (watch.alive())
        {
            result.push_back(watch.get());
        }
    }
    return result;
}
}

HeadlessBackend::HeadlessBackend()
{
    myPrevious = install(this);
}

HeadlessBackend::~HeadlessBackend()
{
    if (isInstalled() && &current() == this)
    {
        install(myPrevious);
    }
}

int HeadlessBackend::runModal(Window& aDialog)
{
    VORNA_ASSERT(aDialog.kind() == WindowKind::Dialog);
    ModalEntry entry(myModal, aDialog);
    if (myUser == nullptr)
    {
        throw ScriptFailure("Unexpected " + aDialog.describe());
    }
    const Window::Watch dialog(aDialog);
    const std::string description = aDialog.describe();
    myUser->playDialog(aDialog);
    processPending();
    if (!dialog.alive())
    {
        throw ScriptFailure("The " + description + " was destroyed while it ran");
    }
    if (!aDialog.dialogEnded())
    {
        throw ScriptFailure("The script left the " + description + " open");
    }
    return aDialog.dialogResult();
}

int HeadlessBackend::showMessageBox(const MessageBoxRequest& aRequest)
{
    myMessageBoxes.push_back(aRequest);
    if (myUser == nullptr)
    {
        throw ScriptFailure("Unexpected message box \"" + aRequest.text + "\"");
    }
    return myUser->answerMessageBox(aRequest);
}

bool HeadlessBackend::askFileName(const FileDialogRequest& aRequest, std::string& aPath)
{
    myFileDialogs.push_back(aRequest);
    if (myUser == nullptr)
    {
        throw ScriptFailure("Unexpected file dialog for \"" + aRequest.filter + "\"");
    }
    return myUser->answerFileDialog(aRequest, aPath);
}

void HeadlessBackend::showWaitCursor(bool aShown)
{
    if (aShown && !myWaitCursorShown)
    {
        ++myWaitCursorShowings;
    }
    myWaitCursorShown = aShown;
}

std::vector<HeadlessBackend::Timer>::iterator HeadlessBackend::findTimer(const Window& aWindow, unsigned anId)
{
    return std::find_if(myTimers.begin(), myTimers.end(), [&aWindow, anId](const Timer& aTimer) {
        return aTimer.window.get() == &aWindow && aTimer.id == anId;
    });
}

std::vector<HeadlessBackend::Timer>::const_iterator HeadlessBackend::findTimer(const Window& aWindow,
                                                                               unsigned anId) const
{
    return std::find_if(myTimers.begin(), myTimers.end(), [&aWindow, anId](const Timer& aTimer) {
        return aTimer.window.get() == &aWindow && aTimer.id == anId;
    });
}

void HeadlessBackend::setTimer(Window& aWindow, unsigned anId, unsigned aMilliseconds)
{
    const auto place = findTimer(aWindow, anId);
    if (place != myTimers.end())
    {
        place->period = aMilliseconds;
        place->due = nextDue(aMilliseconds);
        return;
    }
    myTimers.push_back(Timer{Window::Watch(aWindow), anId, aMilliseconds, nextDue(aMilliseconds)});
}

std::uint64_t HeadlessBackend::nextDue(unsigned aPeriod) const
{
    // A period of 0 still lets time pass between ticks.
    return myVirtualTime + std::max(aPeriod, 1u);
}

void HeadlessBackend::dropTimersOfClosedWindows()
{
    myTimers.erase(std::remove_if(myTimers.begin(), myTimers.end(),
                                  [](const Timer& aTimer) { return !aTimer.window.alive(); }),
                   myTimers.end());
}

bool HeadlessBackend::killTimer(Window& aWindow, unsigned anId)
{
    const auto place = findTimer(aWindow, anId);
    if (place == myTimers.end())
    {
        return false;
    }
    myTimers.erase(place);
    return true;
}

bool HeadlessBackend::isTimerRunning(const Window& aWindow, unsigned anId) const
{
    return findTimer(aWindow, anId) != myTimers.end();
}

unsigned HeadlessBackend::timerPeriod(const Window& aWindow, unsigned anId) const
{
    const auto place = findTimer(aWindow, anId);
    return place != myTimers.end() ? place->period : 0;
}

bool HeadlessBackend::tick(Window& aWindow, unsigned anId)
{
    if (!isTimerRunning(aWindow, anId))
    {
        return false;
    }
    Event event(Notification::TimerTick, aWindow, static_cast<int>(anId));
    aWindow.notify(event);
    return true;
}

unsigned HeadlessBackend::tickAll()
{
    // Windows gone take their timers with them.
    dropTimersOfClosedWindows();
    std::vector<std::pair<Window::Watch, unsigned>> due;
    for (const Timer& timer : myTimers)
    {
        due.push_back(std::make_pair(timer.window, timer.id));
    }
    unsigned ticks = 0;
    for (const auto& timer : due)
    {
        Window* window = timer.first.get();
        if (window != nullptr && tick(*window, timer.second))
        {
            ++ticks;
        }
    }
    return ticks;
}

unsigned HeadlessBackend::passTime(unsigned aMilliseconds, const std::function<void()>& aBeforeEachTick)
{
    const std::uint64_t end = myVirtualTime + aMilliseconds;
    const auto sooner = [](const Timer& aLeft, const Timer& aRight) { return aLeft.due < aRight.due; };
    unsigned ticks = 0;
    for (;;)
    {
        dropTimersOfClosedWindows();
        // The first of those due together is the one set first.
        const auto next = std::min_element(myTimers.begin(), myTimers.end(), sooner);
        if (next == myTimers.end() || next->due > end)
        {
            break;
        }
        myVirtualTime = next->due;
        next->due = nextDue(next->period);
        const Window::Watch window = next->window;
        const unsigned id = next->id;
        const std::uint64_t due = next->due;
        if (aBeforeEachTick)
        {
            aBeforeEachTick();
        }
        // Killed or set again meanwhile, it does not tick now.
        Window* const target = window.get();
        const auto still = target != nullptr ? findTimer(*target, id) : myTimers.end();
        if (still != myTimers.end() && still->due == due && tick(*target, id))
        {
            ++ticks;
        }
    }
    myVirtualTime = end;
    return ticks;
}

void HeadlessBackend::post(Window& aWindow, unsigned aMessage)
{
    const Window::Watch window(aWindow);
    myQueue.push_back([window, aMessage]() {
        Window* target = window.get();
        if (target != nullptr)
        {
            Event event(Notification::Message, *target, static_cast<int>(aMessage));
            target->notify(event);
        }
    });
}

void HeadlessBackend::later(const std::function<void()>& anAction)
{
    VORNA_ASSERT(anAction != nullptr);
    myQueue.push_back(anAction);
}

bool HeadlessBackend::hasPendingMessage()
{
    return !myQueue.empty() || myQuitPosted;
}

bool HeadlessBackend::pumpMessage()
{
    // The quit request comes when nothing else waits, as it does on the desktop.
    if (!myQueue.empty())
    {
        const std::function<void()> action = myQueue.front();
        myQueue.pop_front();
        action();
        return true;
    }
    if (myQuitPosted)
    {
        myQuitPosted = false;
        return false;
    }
    return true;
}

void HeadlessBackend::postQuit(int aCode)
{
    myQuitPosted = true;
    myQuitCode = aCode;
}

int HeadlessBackend::runMessageLoop()
{
    while (hasPendingMessage())
    {
        if (!pumpMessage())
        {
            return myQuitCode;
        }
    }
    return 0;
}

unsigned HeadlessBackend::processPending()
{
    unsigned count = 0;
    while (!myQueue.empty())
    {
        pumpMessage();
        ++count;
    }
    return count;
}

void HeadlessBackend::openWindow(Window& aWindow)
{
    closeWindow(aWindow);
    myOpenWindows.push_back(Window::Watch(aWindow));
}

void HeadlessBackend::closeWindow(Window& aWindow)
{
    myOpenWindows.erase(std::remove_if(myOpenWindows.begin(), myOpenWindows.end(),
                                       [&aWindow](const Window::Watch& aWatch) {
                                           return !aWatch.alive() || aWatch.get() == &aWindow;
                                       }),
                        myOpenWindows.end());
}

void HeadlessBackend::paintNow(Window&)
{
    ++myPaintings;
}

void HeadlessBackend::setScreen(const Rectangle& aScreen, int anIconSize)
{
    myScreen = aScreen;
    myIconSize = anIconSize;
}

bool HeadlessBackend::openWithDesktop(const std::string& aPath)
{
    myOpenedDocuments.push_back(aPath);
    return myDesktopOpens;
}

std::vector<Window*> HeadlessBackend::modalDialogs() const
{
    return living(myModal);
}

Window* HeadlessBackend::activeDialog() const
{
    for (auto watch = myModal.rbegin(); watch != myModal.rend(); ++watch)
    {
        if (watch->alive())
        {
            return watch->get();
        }
    }
    return nullptr;
}

std::vector<Window*> HeadlessBackend::openWindows() const
{
    return living(myOpenWindows);
}
}
