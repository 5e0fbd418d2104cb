#include "Platform/Framework/MainFrame.h"

#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/CommandRouter.h"
#include "Platform/Framework/Document.h"
#include "Platform/Framework/FormView.h"
#include "Platform/Framework/RecentFileList.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Resources.h"

#include <algorithm>

namespace Platform
{
namespace
{
const std::string titleSeparator = " - ";
const int toolBarPadding = 7;
const int separatorWidth = 8;
const int statusBarHeight = 20;
const int indicatorWidth = 40;

// The menu resource with the recent files in place of the first entry's item.
void fillMenu(const Menu& aSource, Menu& aTarget, const RecentFileList* aFiles)
{
    for (const Menu::Item& item : aSource.items())
    {
        if (item.popup != nullptr)
        {
            fillMenu(*item.popup, aTarget.addPopup(item.text), aFiles);
        }
        else if (item.isSeparator())
        {
            aTarget.addSeparator();
        }
        else if (item.command == CommandIds::recentFileFirst && aFiles != nullptr && aFiles->count() > 0)
        {
            for (unsigned index = 0; index < aFiles->count(); ++index)
            {
                aTarget.addCommand(CommandIds::recentFileFirst + index, aFiles->displayName(index));
            }
        }
        else
        {
            aTarget.addCommand(item.command, item.text);
        }
    }
}

void collectCommands(const Menu& aMenu, std::vector<unsigned>& aCommands)
{
    for (const Menu::Item& item : aMenu.items())
    {
        if (item.popup != nullptr)
        {
            collectCommands(*item.popup, aCommands);
        }
        else if (!item.isSeparator() && std::find(aCommands.begin(), aCommands.end(), item.command) == aCommands.end())
        {
            aCommands.push_back(item.command);
        }
    }
}

const RecentFileList* recentFiles()
{
    return Application::exists() ? Application::current().recentFiles() : nullptr;
}
}

MainFrame::MainFrame()
{
    mapCommand(CommandIds::viewToolBar, [this]() { toggleBar(toolBar()); });
    mapCommandUpdate(CommandIds::viewToolBar, [this](CommandState& aState) {
        aState.enabled = toolBar() != nullptr;
        aState.checked = toolBar() != nullptr && toolBar()->isShown();
    });
    mapCommand(CommandIds::viewStatusBar, [this]() { toggleBar(statusBar()); });
    mapCommandUpdate(CommandIds::viewStatusBar, [this](CommandState& aState) {
        aState.enabled = statusBar() != nullptr;
        aState.checked = statusBar() != nullptr && statusBar()->isShown();
    });
}

MainFrame::~MainFrame()
{
    myView.reset();
    if (myWindow != nullptr && Backend::isInstalled())
    {
        Backend::current().closeWindow(*myWindow);
    }
}

bool MainFrame::create(const Resources& aResources, unsigned aResourceId, const std::string& aTitle)
{
    VORNA_ASSERT(myWindow == nullptr);
    const Menu* menu = aResources.menu(aResourceId);
    if (menu == nullptr)
    {
        return false;
    }
    myResources = &aResources;
    myResourceId = aResourceId;
    myTitle = aTitle;
    myMenuResource = *menu;

    // The desktop's default place for a new main window.
    const Rectangle screen = Backend::current().screenArea();
    myNormal = Rectangle(screen.left + screen.width() / 8, screen.top + screen.height() / 8,
                         screen.left + screen.width() * 7 / 8, screen.top + screen.height() * 7 / 8);
    WindowStyle style;
    style.visible = false;
    style.child = false;
    myWindow = std::make_unique<Window>(WindowKind::Frame, 0, aTitle, style, myNormal);

    myWindow->on(Notification::Command, [this](Event& anEvent) { routeCommand(static_cast<unsigned>(anEvent.code)); });
    myWindow->on(Notification::CommandUpdate, [this](Event& anEvent) {
        if (anEvent.state != nullptr)
        {
            *anEvent.state = queryCommand(static_cast<unsigned>(anEvent.code));
        }
    });
    myWindow->on(Notification::Close, [this](Event&) { onClose(); });
    myWindow->on(Notification::SessionEnd, [this](Event&) { onEndSession(true); });

    if (onCreate() == creationFailed)
    {
        return false;
    }
    recalcLayout();
    return true;
}

int MainFrame::onCreate()
{
    return 0;
}

unsigned MainFrame::accelerator(unsigned aKey, unsigned aModifiers) const
{
    const std::vector<Accelerator>* table = myResources != nullptr ? myResources->accelerators(myResourceId) : nullptr;
    if (table == nullptr)
    {
        return 0;
    }
    for (const Accelerator& entry : *table)
    {
        if (entry.key == aKey && entry.modifiers == aModifiers)
        {
            return entry.command;
        }
    }
    return 0;
}

bool MainFrame::createToolBar(unsigned aResourceId)
{
    const ToolBarResource* resource = resources().toolBar(aResourceId);
    if (resource == nullptr)
    {
        return false;
    }
    if (toolBar() != nullptr)
    {
        window().destroyChild(*toolBar());
    }
    Window& bar = window().createChild(WindowKind::ToolBar, CommandIds::toolBarWindow);
    const int buttonWidth = resource->buttonWidth + toolBarPadding;
    const int buttonHeight = resource->buttonHeight + toolBarPadding;
    int left = 0;
    for (unsigned command : resource->commands)
    {
        if (command == 0)
        {
            bar.createChild(WindowKind::Static, 0, std::string(), WindowStyle(),
                            Rectangle(left, 0, left + separatorWidth, buttonHeight));
            left += separatorWidth;
            continue;
        }
        Window& button = bar.createChild(WindowKind::Button, static_cast<int>(command), toolTip(command),
                                         WindowStyle(), Rectangle(left, 0, left + buttonWidth, buttonHeight));
        button.setImage(resource->bitmap);
        button.on(Notification::Clicked, [this, command](Event&) { routeCommand(command); });
        left += buttonWidth;
    }
    bar.move(Rectangle(0, 0, window().clientRectangle().width(), buttonHeight));
    return true;
}

bool MainFrame::createStatusBar(const std::vector<unsigned>& aPanes)
{
    std::vector<std::string> texts;
    for (unsigned pane : aPanes)
    {
        const unsigned textId = pane == CommandIds::messagePane ? CommandIds::idleMessage : pane;
        const std::optional<std::string> text = resources().strings().find(textId);
        if (!text && pane != CommandIds::messagePane)
        {
            return false;
        }
        texts.push_back(text ? *text : std::string());
    }
    if (statusBar() != nullptr)
    {
        window().destroyChild(*statusBar());
    }
    Window& bar = window().createChild(WindowKind::StatusBar, CommandIds::statusBarWindow);
    for (std::size_t index = 0; index < aPanes.size(); ++index)
    {
        bar.createChild(WindowKind::Static, static_cast<int>(aPanes[index]), texts[index], WindowStyle(),
                        Rectangle(0, 0, indicatorWidth, statusBarHeight));
    }
    return true;
}

Window& MainFrame::window() const
{
    VORNA_ASSERT(myWindow != nullptr);
    return *myWindow;
}

void MainFrame::setIcon(unsigned aBitmapId)
{
    window().setImage(aBitmapId);
}

const Resources& MainFrame::resources() const
{
    VORNA_ASSERT(myResources != NULL);
    return *myResources;
}

Window* MainFrame::toolBar() const
{
    return myWindow != nullptr ? myWindow->findChild(static_cast<int>(CommandIds::toolBarWindow)) : nullptr;
}

Window* MainFrame::statusBar() const
{
    return myWindow != nullptr ? myWindow->findChild(static_cast<int>(CommandIds::statusBarWindow)) : nullptr;
}

bool MainFrame::createView(std::unique_ptr<FormView> aView, Document& aDocument)
{
    VORNA_ASSERT(aView != nullptr);
    VORNA_ASSERT(myView == nullptr);
    if (!aView->create(*this, aDocument, resources()))
    {
        return false;
    }
    myView = std::move(aView);
    recalcLayout();
    return true;
}

Document* MainFrame::activeDocument() const
{
    return myView != nullptr ? &myView->document() : nullptr;
}

void MainFrame::initialUpdate()
{
    if (myView != nullptr)
    {
        myView->onInitialUpdate();
    }
    updateTitle();
    updateCommandStates();
}

void MainFrame::updateTitle()
{
    // Asked for on every poll: the title is rewritten only when it changed.
    const Document* document = activeDocument();
    const std::string& shown = window().text();
    if (document == nullptr || document->title().empty())
    {
        if (shown != myTitle)
        {
            window().setText(myTitle);
        }
        return;
    }
    const std::string& title = document->title();
    const std::size_t length = title.size() + titleSeparator.size() + myTitle.size();
    if (shown.size() != length || shown.compare(0, title.size(), title) != 0 ||
        shown.compare(title.size(), titleSeparator.size(), titleSeparator) != 0 ||
        shown.compare(length - myTitle.size(), myTitle.size(), myTitle) != 0)
    {
        window().setText(title + titleSeparator + myTitle);
    }
}

std::vector<CommandTarget*> MainFrame::chain() const
{
    std::vector<CommandTarget*> targets;
    targets.push_back(myView.get());
    targets.push_back(activeDocument());
    targets.push_back(const_cast<MainFrame*>(this));
    targets.push_back(Application::exists() ? &Application::current() : nullptr);
    return targets;
}

bool MainFrame::routeCommand(unsigned aCommandId)
{
    const bool carried = CommandRouter(chain()).route(aCommandId);
    // The command may have closed the program's window: idle processing
    // looks the frame up again.
    if (Application::exists())
    {
        Application::current().onIdle(0);
    }
    return carried;
}

CommandState MainFrame::queryCommand(unsigned aCommandId) const
{
    return CommandRouter(chain()).state(aCommandId);
}

std::optional<CommandState> MainFrame::commandState(unsigned aCommandId) const
{
    const auto place = myStates.find(aCommandId);
    return place != myStates.end() ? place->second : std::optional<CommandState>();
}

void MainFrame::updateCommandStates()
{
    // Runs on every poll: the commands are listed again only when the
    // recent files or the tool bar changed, and the states kept in place.
    const Window* bar = toolBar();
    const RecentFileList* recent = recentFiles();
    static const std::vector<std::string> none;
    const std::vector<std::string>& files = recent != nullptr ? recent->files() : none;
    const std::size_t buttonCount = bar != nullptr ? bar->childCount() : 0;
    bool changed = false;
    if (!myCommandsListed || bar != myListedBar || files != myListedFiles || buttonCount != myListedButtons)
    {
        myCommands = commands();
        myCommandsListed = true;
        myListedBar = bar;
        // Their names are on the menu: a new name changes the window as well.
        myListedFiles = files;
        myListedButtons = buttonCount;
        myStates.clear();
        changed = true;
    }
    const CommandRouter router(chain());
    for (unsigned command : myCommands)
    {
        const CommandState state = router.state(command);
        const auto place = myStates.find(command);
        if (place == myStates.end())
        {
            myStates.emplace(command, state);
            changed = true;
        }
        else if (place->second != state)
        {
            place->second = state;
            changed = true;
        }
    }
    applyStates();
    updateTitle();
    // The menu shows the states: the window changes when they do.
    if (changed)
    {
        window().invalidate();
    }
}

void MainFrame::applyStates()
{
    Window* bar = toolBar();
    for (std::size_t index = 0; bar != nullptr && index < bar->childCount(); ++index)
    {
        Window& button = bar->childAt(index);
        const std::optional<CommandState> state = commandState(static_cast<unsigned>(button.id()));
        if (button.kind() == WindowKind::Button && state)
        {
            button.enable(state->enabled);
            button.setPressed(state->checked);
        }
    }
    Window* status = statusBar();
    // The desktop tells no key-lock state: the indicators show as off.
    for (std::size_t index = 0; status != nullptr && index < status->childCount(); ++index)
    {
        Window& pane = status->childAt(index);
        if (pane.id() != static_cast<int>(CommandIds::messagePane))
        {
            pane.enable(false);
        }
    }
}

Menu MainFrame::menu() const
{
    Menu shown;
    fillMenu(myMenuResource, shown, recentFiles());
    return shown;
}

std::vector<unsigned> MainFrame::commands() const
{
    std::vector<unsigned> result;
    collectCommands(menu(), result);
    Window* bar = toolBar();
    if (bar != nullptr)
    {
        for (Window* button : bar->children())
        {
            const unsigned command = static_cast<unsigned>(button->id());
            if (button->kind() == WindowKind::Button && std::find(result.begin(), result.end(), command) == result.end())
            {
                result.push_back(command);
            }
        }
    }
    return result;
}

std::string MainFrame::prompt(unsigned aCommandId) const
{
    const std::optional<std::string> text = resources().strings().find(aCommandId);
    return text ? *text : std::string();
}

void MainFrame::showPrompt(unsigned aCommandId)
{
    const std::string text = prompt(aCommandId);
    const std::size_t end = text.find('\n');
    Window* status = statusBar();
    Window* pane = status != nullptr ? status->findChild(static_cast<int>(CommandIds::messagePane)) : nullptr;
    if (pane != nullptr)
    {
        pane->setText(end == std::string::npos ? text : text.substr(0, end));
        // A prompt is longer than the idle text: it takes the whole bar, the
        // indicators giving way until the idle text comes back.
        myPromptShown = true;
        placePanes();
    }
}

void MainFrame::showIdleMessage()
{
    Window* status = statusBar();
    Window* pane = status != nullptr ? status->findChild(static_cast<int>(CommandIds::messagePane)) : nullptr;
    if (pane != nullptr)
    {
        const std::optional<std::string> text = resources().strings().find(CommandIds::idleMessage);
        pane->setText(text ? *text : std::string());
        myPromptShown = false;
        placePanes();
    }
}

std::string MainFrame::messageText() const
{
    Window* status = statusBar();
    Window* pane = status != nullptr ? status->findChild(static_cast<int>(CommandIds::messagePane)) : nullptr;
    return pane != nullptr ? pane->text() : std::string();
}

std::string MainFrame::toolTip(unsigned aCommandId) const
{
    const std::string text = prompt(aCommandId);
    const std::size_t end = text.find('\n');
    return end == std::string::npos ? std::string() : text.substr(end + 1);
}

void MainFrame::toggleBar(Window* aBar)
{
    if (aBar != nullptr)
    {
        aBar->show(!aBar->isShown());
        recalcLayout();
    }
}

void MainFrame::recalcLayout()
{
    if (myWindow == nullptr)
    {
        return;
    }
    const Rectangle client = window().clientRectangle();
    int top = client.top;
    int bottom = client.bottom;
    Window* tools = toolBar();
    if (tools != nullptr && tools->isShown())
    {
        const int height = tools->rectangle().height();
        tools->move(Rectangle(client.left, top, client.right, top + height));
        top += height;
    }
    Window* status = statusBar();
    if (status != nullptr && status->isShown())
    {
        status->move(Rectangle(client.left, bottom - statusBarHeight, client.right, bottom));
        bottom -= statusBarHeight;
        placePanes();
    }
    if (myView != nullptr && myView->isCreated())
    {
        myView->window().move(Rectangle(client.left, top, client.right, std::max(top, bottom)));
    }
}

void MainFrame::placePanes()
{
    Window* status = statusBar();
    if (status == nullptr)
    {
        return;
    }
    // The indicators stand at the right; the message pane takes the rest, or
    // the whole bar while it shows a prompt.
    const std::vector<Window*> panes = status->children();
    const int width = status->rectangle().width();
    int right = width;
    for (auto pane = panes.rbegin(); pane != panes.rend(); ++pane)
    {
        const bool message = (*pane)->id() == static_cast<int>(CommandIds::messagePane);
        if (message)
        {
            (*pane)->move(Rectangle(0, 0, myPromptShown ? width : right, statusBarHeight));
            continue;
        }
        const int left = std::max(0, right - indicatorWidth);
        (*pane)->move(Rectangle(left, 0, right, statusBarHeight));
        (*pane)->show(!myPromptShown);
        right = left;
    }
}

void MainFrame::fitToForm(int aWidth, int aHeight, bool aShrinkOnly)
{
    int width = aWidth;
    int height = aHeight;
    Window* tools = toolBar();
    if (tools != nullptr && tools->isShown())
    {
        height += tools->rectangle().height();
    }
    Window* status = statusBar();
    if (status != nullptr && status->isShown())
    {
        height += statusBarHeight;
    }
    const Rectangle now = window().rectangle();
    if (aShrinkOnly)
    {
        width = std::min(width, now.width());
        height = std::min(height, now.height());
    }
    // No larger than the screen's work area, and wholly on it.
    const Rectangle screen = Backend::current().screenArea();
    width = std::min(width, screen.width());
    height = std::min(height, screen.height());
    const int left = std::max(screen.left, std::min(now.left, screen.right - width));
    const int top = std::max(screen.top, std::min(now.top, screen.bottom - height));
    const Rectangle fitted(left, top, left + width, top + height);
    window().move(fitted);
    if (myShowCommand != WindowPlacement::showMaximized)
    {
        myNormal = fitted;
    }
    recalcLayout();
}

WindowPlacement MainFrame::placement() const
{
    WindowPlacement placement;
    placement.flags = myFlags;
    placement.showCommand = myShowCommand;
    placement.normal = myShowCommand == WindowPlacement::showMaximized ? myNormal : window().rectangle();
    return placement;
}

void MainFrame::setPlacement(const WindowPlacement& aPlacement)
{
    myFlags = aPlacement.flags;
    myNormal = aPlacement.normal;
    window().move(myNormal);
    showWindow(aPlacement.showCommand);
}

void MainFrame::showWindow(int aShowCommand)
{
    Backend& backend = Backend::current();
    if (aShowCommand == WindowPlacement::hide)
    {
        window().show(false);
        backend.closeWindow(window());
        return;
    }
    if (aShowCommand == WindowPlacement::showMaximized)
    {
        if (myShowCommand != WindowPlacement::showMaximized)
        {
            myNormal = window().rectangle();
        }
        window().move(backend.screenArea());
    }
    else if (myShowCommand == WindowPlacement::showMaximized)
    {
        window().move(myNormal);
    }
    myShowCommand = aShowCommand;
    window().show(true);
    recalcLayout();
    backend.openWindow(window());
}

void MainFrame::updateWindow()
{
    Backend::current().paintNow(window());
}

int MainFrame::averageCharacterWidth() const
{
    return Backend::current().frameFont().averageWidth;
}

int MainFrame::characterHeight() const
{
    return Backend::current().frameFont().height;
}

void MainFrame::onGetMinMaxInfo(MinMaxInfo&)
{
}

MinMaxInfo MainFrame::trackingLimits()
{
    const Rectangle screen = Backend::current().screenArea();
    MinMaxInfo info;
    info.minimumTrackWidth = 112;
    info.minimumTrackHeight = 27;
    info.maximumTrackWidth = screen.width();
    info.maximumTrackHeight = screen.height();
    onGetMinMaxInfo(info);
    return info;
}

Rectangle MainFrame::resizeByUser(const Rectangle& aRectangle)
{
    const MinMaxInfo info = trackingLimits();
    const int width = std::max(info.minimumTrackWidth, std::min(aRectangle.width(), info.maximumTrackWidth));
    const int height = std::max(info.minimumTrackHeight, std::min(aRectangle.height(), info.maximumTrackHeight));
    const Rectangle taken(aRectangle.left, aRectangle.top, aRectangle.left + width, aRectangle.top + height);
    window().move(taken);
    if (myShowCommand != WindowPlacement::showMaximized)
    {
        myNormal = taken;
    }
    recalcLayout();
    return taken;
}

void MainFrame::maximiseByUser(bool aMaximised, const Rectangle& aRectangle)
{
    if (!aMaximised)
    {
        myShowCommand = WindowPlacement::showNormal;
        resizeByUser(aRectangle);
        return;
    }
    // The normal rectangle stays the one it had before.
    myShowCommand = WindowPlacement::showMaximized;
    window().move(aRectangle);
    recalcLayout();
}

void MainFrame::onClose()
{
    Document* document = activeDocument();
    if (document != nullptr && !document->saveModified())
    {
        return;
    }
    window().show(false);
    Backend::current().closeWindow(window());
    if (Application::exists())
    {
        Application::current().closeMainFrame();
    }
}

void MainFrame::onEndSession(bool anEnding)
{
    if (!anEnding)
    {
        return;
    }
    window().show(false);
    Backend::current().closeWindow(window());
    if (Application::exists())
    {
        Application::current().closeMainFrame();
    }
}
}
