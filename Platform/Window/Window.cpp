#include "Platform/Window/Window.h"

#include "Platform/Assertion.h"
#include "Platform/Window/Backend.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace Platform
{
namespace
{
const int anyCode = INT_MIN;
const int okCommand = 1;
const int cancelCommand = 2;
// The frame of a tab control's display area.
const int tabFrame = 2;

Window*& theFocus()
{
    static Window* theWindow = nullptr;
    return theWindow;
}

unsigned long& theChangeCount()
{
    static unsigned long theCount = 0;
    return theCount;
}

unsigned long& theDestroyedCount()
{
    static unsigned long theCount = 0;
    return theCount;
}

bool isBox(WindowKind aKind)
{
    return aKind == WindowKind::ComboBox || aKind == WindowKind::ListBox;
}

bool isButtonLike(WindowKind aKind)
{
    return aKind == WindowKind::Button || aKind == WindowKind::CheckBox || aKind == WindowKind::RadioButton;
}
}

Window::Window(WindowKind aKind, int anId, const std::string& aText, const WindowStyle& aStyle, const Rectangle& aRectangle)
    : myKind(aKind),
      myId(anId),
      myText(aText),
      myStyle(aStyle),
      myRectangle(aRectangle),
      myLaidOutHeight(aRectangle.height()),
      myEnabled(!aStyle.disabled),
      myShown(aStyle.visible),
      myReadOnly(aStyle.readOnly)
{
    if (aKind == WindowKind::UpDown)
    {
        // The platform's default: the up arrow moves towards upper, here downwards.
        myLower = 100;
        myUpper = 0;
        myAccelerations = {{0, 1}, {2, 5}, {5, 20}};
    }
    if (aKind == WindowKind::ComboBox && aStyle.combo == ComboStyle::DropDownList)
    {
        myText.clear();
    }
    changed();
    myGeneration = theChangeCount();
    mySubtreeGeneration = myGeneration;
}

Window::~Window()
{
    // A destroyed window loses the focus silently: nobody is left to tell.
    if (theFocus() == this)
    {
        theFocus() = nullptr;
    }
    myChildren.clear();
    changed();
    ++theDestroyedCount();
}

std::string Window::describe() const
{
    std::string description = kindName(myKind);
    if (myKind == WindowKind::Dialog && myTemplateId != 0)
    {
        description += " " + std::to_string(myTemplateId);
    }
    else
    {
        description += " " + std::to_string(myId);
    }
    return description + " \"" + text() + "\"";
}

Window& Window::addChild(std::unique_ptr<Window> aChild)
{
    VORNA_ASSERT(aChild != NULL);
    VORNA_ASSERT(aChild->myParent == NULL);
    aChild->myParent = this;
    myChildren.push_back(std::move(aChild));
    Window& child = *myChildren.back();
    if (myKind == WindowKind::TabControl)
    {
        placePages();
    }
    touch();
    return child;
}

Window& Window::createChild(WindowKind aKind, int anId, const std::string& aText, const WindowStyle& aStyle,
                            const Rectangle& aRectangle)
{
    return addChild(std::make_unique<Window>(aKind, anId, aText, aStyle, aRectangle));
}

void Window::destroyChild(Window& aChild)
{
    VORNA_ASSERT(aChild.myParent == this);
    auto place = std::find_if(myChildren.begin(), myChildren.end(),
                              [&aChild](const std::unique_ptr<Window>& aWindow) { return aWindow.get() == &aChild; });
    VORNA_ASSERT(place != myChildren.end());
    // Take it out first, so a destructor that looks at the tree no longer finds it.
    std::unique_ptr<Window> doomed = std::move(*place);
    myChildren.erase(place);
    doomed.reset();
    touch();
}

std::vector<Window*> Window::children() const
{
    std::vector<Window*> result;
    for (const std::unique_ptr<Window>& child : myChildren)
    {
        result.push_back(child.get());
    }
    return result;
}

Window& Window::childAt(std::size_t anIndex) const
{
    VORNA_ASSERT(anIndex < myChildren.size());
    return *myChildren[anIndex];
}

Window* Window::findChild(int anId) const
{
    for (const std::unique_ptr<Window>& child : myChildren)
    {
        if (child->myId == anId)
        {
            return child.get();
        }
    }
    return nullptr;
}

Window* Window::findDescendant(int anId) const
{
    for (const std::unique_ptr<Window>& child : myChildren)
    {
        if (child->myId == anId)
        {
            return child.get();
        }
        Window* found = child->findDescendant(anId);
        if (found != nullptr)
        {
            return found;
        }
    }
    return nullptr;
}

bool Window::isAncestorOf(const Window& aWindow) const
{
    for (const Window* window = aWindow.myParent; window != nullptr; window = window->myParent)
    {
        if (window == this)
        {
            return true;
        }
    }
    return false;
}

void Window::raise()
{
    if (myParent == nullptr)
    {
        return;
    }
    std::vector<std::unique_ptr<Window>>& siblings = myParent->myChildren;
    auto place = std::find_if(siblings.begin(), siblings.end(),
                              [this](const std::unique_ptr<Window>& aWindow) { return aWindow.get() == this; });
    std::rotate(siblings.begin(), place, place + 1);
    touch();
}

std::string Window::text() const
{
    if (myKind == WindowKind::ComboBox && myStyle.combo == ComboStyle::DropDownList)
    {
        return itemText(mySelection);
    }
    return myText;
}

void Window::setText(const std::string& aText)
{
    if (myKind == WindowKind::ComboBox && myStyle.combo == ComboStyle::DropDownList)
    {
        // A list-only combo box has no text of its own to set.
        return;
    }
    myText = aText;
    mySelectionStart = 0;
    mySelectionEnd = 0;
    touch();
    if (myKind == WindowKind::Edit)
    {
        // A single-line edit reports every change of its text, also the program's.
        Event event(Notification::EditChanged, *this);
        notify(event);
    }
}

void Window::enable(bool anEnabled)
{
    if (myEnabled != anEnabled)
    {
        myEnabled = anEnabled;
        touch();
    }
}

void Window::show(bool aShown)
{
    if (myShown != aShown)
    {
        myShown = aShown;
        touch();
    }
}

bool Window::isVisible() const
{
    for (const Window* window = this; window != nullptr; window = window->myParent)
    {
        if (!window->myShown)
        {
            return false;
        }
    }
    return true;
}

bool Window::isReachable() const
{
    for (const Window* window = this; window != nullptr; window = window->myParent)
    {
        if (!window->myShown || !window->myEnabled)
        {
            return false;
        }
    }
    return true;
}

void Window::move(const Rectangle& aRectangle)
{
    const bool resized = aRectangle.width() != myRectangle.width() || aRectangle.height() != myRectangle.height();
    myRectangle = aRectangle;
    myLaidOutHeight = aRectangle.height();
    if (resized)
    {
        myPaint.clear();
        if (myKind == WindowKind::TabControl)
        {
            placePages();
        }
    }
    touch();
}

void Window::centreIn(const Rectangle& anArea)
{
    const int left = anArea.left + (anArea.width() - myRectangle.width()) / 2;
    const int top = anArea.top + (anArea.height() - myRectangle.height()) / 2;
    move(Rectangle(left, top, left + myRectangle.width(), top + myRectangle.height()));
}

Rectangle Window::clientRectangle() const
{
    return Rectangle(0, 0, std::max(0, myRectangle.width()), std::max(0, myRectangle.height()));
}

void Window::setImage(unsigned aBitmapId)
{
    myImage = aBitmapId;
    touch();
}

void Window::invalidate()
{
    touch();
}

void Window::fillRectangle(const Rectangle& aRectangle, const Colour& aColour)
{
    const Rectangle client = clientRectangle();
    // A rectangle may come with its corners either way round.
    const int left = std::max(client.left, std::min(aRectangle.left, aRectangle.right));
    const int right = std::min(client.right, std::max(aRectangle.left, aRectangle.right));
    const int top = std::max(client.top, std::min(aRectangle.top, aRectangle.bottom));
    const int bottom = std::min(client.bottom, std::max(aRectangle.top, aRectangle.bottom));
    if (left >= right || top >= bottom)
    {
        return;
    }
    const Fill fill{Rectangle(left, top, right, bottom), aColour};
    // Unchanged when the topmost paint there is one fill of that colour over it all.
    for (auto earlier = myPaint.rbegin(); earlier != myPaint.rend(); ++earlier)
    {
        const Rectangle& area = earlier->area;
        const bool meets = area.left < right && left < area.right && area.top < bottom && top < area.bottom;
        if (!meets)
        {
            continue;
        }
        if (earlier->colour == aColour && area.left <= left && area.right >= right && area.top <= top &&
            area.bottom >= bottom)
        {
            return;
        }
        break;
    }
    // Fills that the new one covers whole no longer show: the list stays as
    // short as what is seen.
    std::vector<Fill> painted;
    painted.reserve(myPaint.size() + 1);
    for (const Fill& earlier : myPaint)
    {
        const Rectangle& area = earlier.area;
        const bool covered = left <= area.left && right >= area.right && top <= area.top && bottom >= area.bottom;
        if (!covered)
        {
            painted.push_back(earlier);
        }
    }
    painted.push_back(fill);
    myPaint.swap(painted);
    touch();
}

std::optional<Colour> Window::colourAt(int anX, int aY) const
{
    if (!clientRectangle().contains(anX, aY))
    {
        return std::optional<Colour>();
    }
    for (auto fill = myPaint.rbegin(); fill != myPaint.rend(); ++fill)
    {
        if (fill->area.contains(anX, aY))
        {
            return fill->colour;
        }
    }
    return std::optional<Colour>();
}

void Window::clearPaint()
{
    myPaint.clear();
    touch();
}

void Window::moveFocus(Window* aWindow)
{
    Window* previous = theFocus();
    if (previous == aWindow)
    {
        return;
    }
    theFocus() = aWindow;
    std::unique_ptr<Watch> next = aWindow != nullptr ? std::make_unique<Watch>(*aWindow) : nullptr;
    if (previous != nullptr)
    {
        Event lost(Notification::FocusLost, *previous);
        previous->notify(lost);
    }
    // The loser's handler may have moved the focus on, or destroyed the window.
    if (next != nullptr && next->alive() && theFocus() == aWindow)
    {
        Event gained(Notification::FocusGained, *aWindow);
        aWindow->notify(gained);
    }
    changed();
}

void Window::setFocus()
{
    moveFocus(this);
}

Window* Window::focus()
{
    return theFocus();
}

void Window::clearFocus()
{
    moveFocus(nullptr);
}

bool Window::canTakeFocus() const
{
    // A tool-bar button acts without taking the focus from the field in use.
    if (myParent != nullptr && myParent->kind() == WindowKind::ToolBar)
    {
        return false;
    }
    switch (myKind)
    {
    case WindowKind::Button:
    case WindowKind::CheckBox:
    case WindowKind::RadioButton:
    case WindowKind::ComboBox:
    case WindowKind::Edit:
    case WindowKind::ListBox:
    case WindowKind::TabControl:
        return true;
    default:
        return false;
    }
}

void Window::setChecked(bool aChecked)
{
    VORNA_ASSERT(myKind == WindowKind::CheckBox || myKind == WindowKind::RadioButton);
    myChecked = aChecked;
    touch();
}

void Window::setPressed(bool aPressed)
{
    VORNA_ASSERT(isButtonLike(myKind));
    // Set again on every poll: only a change is something to show.
    if (myPressed != aPressed)
    {
        myPressed = aPressed;
        touch();
    }
}

void Window::checkRadioButton(int aFirstId, int aLastId, int aCheckId)
{
    for (const std::unique_ptr<Window>& child : myChildren)
    {
        if (child->myKind == WindowKind::RadioButton && child->myId >= aFirstId && child->myId <= aLastId)
        {
            child->setChecked(child->myId == aCheckId);
        }
    }
}

std::vector<Window*> Window::radioGroup() const
{
    VORNA_ASSERT(myKind == WindowKind::RadioButton);
    VORNA_ASSERT(myParent != NULL);
    const std::vector<std::unique_ptr<Window>>& siblings = myParent->myChildren;
    std::size_t mine = 0;
    while (siblings[mine].get() != this)
    {
        ++mine;
    }
    // The group starts at the nearest radio button at or before this one that
    // starts a group, and runs over the radio buttons after it up to the next start.
    std::size_t first = mine;
    while (first > 0 && !siblings[first]->myStyle.group && siblings[first - 1]->myKind == WindowKind::RadioButton)
    {
        --first;
    }
    std::vector<Window*> group;
    for (std::size_t index = first; index < siblings.size(); ++index)
    {
        Window* sibling = siblings[index].get();
        if (sibling->myKind != WindowKind::RadioButton || (index != first && sibling->myStyle.group))
        {
            break;
        }
        group.push_back(sibling);
    }
    return group;
}

int Window::checkedRadioIndex(int aFirstId) const
{
    Window* first = findChild(aFirstId);
    VORNA_ASSERT(first != NULL);
    const std::vector<Window*> group = first->radioGroup();
    for (std::size_t index = 0; index < group.size(); ++index)
    {
        if (group[index]->myChecked)
        {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void Window::checkRadioIndex(int aFirstId, int anIndex)
{
    Window* first = findChild(aFirstId);
    VORNA_ASSERT(first != NULL);
    const std::vector<Window*> group = first->radioGroup();
    for (std::size_t index = 0; index < group.size(); ++index)
    {
        group[index]->setChecked(static_cast<int>(index) == anIndex);
    }
}

void Window::adjustSelectionForInsert(int anIndex)
{
    if (mySelection >= anIndex)
    {
        ++mySelection;
    }
}

void Window::adjustSelectionForDelete(int anIndex)
{
    if (mySelection == anIndex)
    {
        mySelection = -1;
    }
    else if (mySelection > anIndex)
    {
        --mySelection;
    }
}

int Window::addString(const std::string& aText)
{
    VORNA_ASSERT(isBox(myKind));
    myItems.push_back(aText);
    touch();
    return itemCount() - 1;
}

int Window::insertString(int anIndex, const std::string& aText)
{
    VORNA_ASSERT(isBox(myKind));
    if (anIndex == -1)
    {
        return addString(aText);
    }
    if (anIndex < 0 || anIndex > itemCount())
    {
        return -1;
    }
    myItems.insert(myItems.begin() + anIndex, aText);
    adjustSelectionForInsert(anIndex);
    touch();
    return anIndex;
}

int Window::deleteString(int anIndex)
{
    VORNA_ASSERT(isBox(myKind));
    if (anIndex < 0 || anIndex >= itemCount())
    {
        return -1;
    }
    myItems.erase(myItems.begin() + anIndex);
    adjustSelectionForDelete(anIndex);
    touch();
    return itemCount();
}

void Window::resetContent()
{
    VORNA_ASSERT(isBox(myKind));
    myItems.clear();
    mySelection = -1;
    touch();
}

int Window::insertTab(int anIndex, const std::string& aText)
{
    VORNA_ASSERT(myKind == WindowKind::TabControl);
    if (anIndex < 0)
    {
        return -1;
    }
    const int index = std::min(anIndex, itemCount());
    myItems.insert(myItems.begin() + index, aText);
    if (itemCount() == 1)
    {
        mySelection = 0;
    }
    else
    {
        adjustSelectionForInsert(index);
    }
    placePages();
    touch();
    return index;
}

bool Window::deleteTab(int anIndex)
{
    VORNA_ASSERT(myKind == WindowKind::TabControl);
    if (anIndex < 0 || anIndex >= itemCount())
    {
        return false;
    }
    myItems.erase(myItems.begin() + anIndex);
    adjustSelectionForDelete(anIndex);
    placePages();
    touch();
    return true;
}

void Window::deleteAllTabs()
{
    VORNA_ASSERT(myKind == WindowKind::TabControl);
    myItems.clear();
    mySelection = -1;
    placePages();
    touch();
}

bool Window::setTabText(int anIndex, const std::string& aText)
{
    VORNA_ASSERT(myKind == WindowKind::TabControl);
    if (anIndex < 0 || anIndex >= itemCount())
    {
        return false;
    }
    myItems[anIndex] = aText;
    placePages();
    touch();
    return true;
}

Rectangle Window::displayArea() const
{
    VORNA_ASSERT(myKind == WindowKind::TabControl);
    const int width = myRectangle.width();
    const int rows = Backend::isInstalled() ? Backend::current().tabRowsHeight(myItems, width)
                                            : Backend::tabRowsHeight(myItems, width, FontMetrics());
    const Rectangle client = clientRectangle();
    return Rectangle(client.left + tabFrame, std::min(client.bottom, client.top + rows + tabFrame),
                     std::max(client.left + tabFrame, client.right - tabFrame),
                     std::max(client.top + rows + tabFrame, client.bottom - tabFrame));
}

void Window::placePages()
{
    const Rectangle area = displayArea();
    int pagesBottom = 0;
    for (const std::unique_ptr<Window>& child : myChildren)
    {
        if (child->kind() != WindowKind::Dialog)
        {
            continue;
        }
        const Rectangle& now = child->myRectangle;
        if (now.left != area.left || now.top != area.top)
        {
            child->myRectangle = Rectangle(area.left, area.top, area.left + now.width(), area.top + now.height());
        }
        pagesBottom = std::max(pagesBottom, child->myRectangle.bottom);
    }
    // More rows of tabs than the layout left room for would cut off the
    // pages' bottom: the control grows to show them whole, and goes back to
    // its layout's height once they fit there again.
    const int height = std::max(myLaidOutHeight, pagesBottom + tabFrame);
    if (height != myRectangle.height())
    {
        myRectangle.bottom = myRectangle.top + height;
    }
}

std::string Window::itemText(int anIndex) const
{
    if (anIndex < 0 || anIndex >= itemCount())
    {
        return std::string();
    }
    return myItems[anIndex];
}

bool Window::setSelection(int anIndex)
{
    VORNA_ASSERT(isBox(myKind) || myKind == WindowKind::TabControl);
    const bool valid = anIndex >= 0 && anIndex < itemCount();
    if (valid)
    {
        mySelection = anIndex;
    }
    else if (myKind == WindowKind::ComboBox || (myKind == WindowKind::ListBox && anIndex == -1))
    {
        mySelection = -1;
    }
    touch();
    return valid;
}

void Window::setTextLimit(unsigned aLimit)
{
    VORNA_ASSERT(myKind == WindowKind::Edit);
    myTextLimit = aLimit;
}

void Window::setReadOnly(bool aReadOnly)
{
    VORNA_ASSERT(myKind == WindowKind::Edit || myKind == WindowKind::ListBox);
    myReadOnly = aReadOnly;
    touch();
}

void Window::selectText(int aStart, int anEnd)
{
    VORNA_ASSERT(myKind == WindowKind::Edit);
    const int length = static_cast<int>(myText.size());
    if (aStart < 0)
    {
        mySelectionStart = mySelectionEnd;
        return;
    }
    const int end = anEnd < 0 ? length : std::min(anEnd, length);
    const int start = std::min(aStart, length);
    mySelectionStart = std::min(start, end);
    mySelectionEnd = std::max(start, end);
    touch();
}

int Window::lineLength() const
{
    VORNA_ASSERT(myKind == WindowKind::Edit);
    return static_cast<int>(myText.size()) - (mySelectionEnd - mySelectionStart);
}

void Window::scrollCaret()
{
    VORNA_ASSERT(myKind == WindowKind::Edit);
}

bool Window::typeCharacter(char aCharacter)
{
    VORNA_ASSERT(myKind == WindowKind::Edit);
    if (myReadOnly || (myStyle.digitsOnly && !std::isdigit(static_cast<unsigned char>(aCharacter))))
    {
        return false;
    }
    const std::size_t length = myText.size() - static_cast<std::size_t>(mySelectionEnd - mySelectionStart) + 1;
    if (myTextLimit != 0 && length > myTextLimit)
    {
        return false;
    }
    myText.replace(mySelectionStart, mySelectionEnd - mySelectionStart, 1, aCharacter);
    mySelectionStart = mySelectionStart + 1;
    mySelectionEnd = mySelectionStart;
    touch();
    Event event(Notification::EditChanged, *this);
    notify(event);
    return true;
}

bool Window::deleteSelection()
{
    VORNA_ASSERT(myKind == WindowKind::Edit);
    if (myReadOnly || mySelectionStart == mySelectionEnd)
    {
        return false;
    }
    myText.erase(mySelectionStart, mySelectionEnd - mySelectionStart);
    mySelectionEnd = mySelectionStart;
    touch();
    Event event(Notification::EditChanged, *this);
    notify(event);
    return true;
}

bool Window::replaceSelection(const std::string& aText)
{
    VORNA_ASSERT(myKind == WindowKind::Edit);
    if (myReadOnly || aText.empty())
    {
        return false;
    }
    const auto isDigit = [](char aCharacter) { return std::isdigit(static_cast<unsigned char>(aCharacter)) != 0; };
    if (myStyle.digitsOnly && !std::all_of(aText.begin(), aText.end(), isDigit))
    {
        return false;
    }
    std::string text = aText;
    const std::size_t kept = myText.size() - static_cast<std::size_t>(mySelectionEnd - mySelectionStart);
    if (myTextLimit != 0)
    {
        if (kept >= myTextLimit)
        {
            return false;
        }
        text.resize(std::min(text.size(), myTextLimit - kept));
    }
    myText.replace(mySelectionStart, mySelectionEnd - mySelectionStart, text);
    mySelectionStart = mySelectionStart + static_cast<int>(text.size());
    mySelectionEnd = mySelectionStart;
    changed();
    Event event(Notification::EditChanged, *this);
    notify(event);
    return true;
}

void Window::setRange(int aLower, int anUpper)
{
    VORNA_ASSERT(myKind == WindowKind::UpDown || myKind == WindowKind::ProgressBar);
    myLower = aLower;
    myUpper = anUpper;
    setPosition(myPosition);
}

void Window::setPosition(int aPosition)
{
    VORNA_ASSERT(myKind == WindowKind::UpDown || myKind == WindowKind::ProgressBar);
    myPosition = std::max(std::min(myLower, myUpper), std::min(std::max(myLower, myUpper), aPosition));
    touch();
}

void Window::setBuddy(Window* aBuddy)
{
    VORNA_ASSERT(myKind == WindowKind::UpDown);
    myBuddy = aBuddy != nullptr ? std::make_unique<Watch>(*aBuddy) : nullptr;
}

void Window::setAccelerations(const std::vector<Acceleration>& anAccelerations)
{
    VORNA_ASSERT(myKind == WindowKind::UpDown);
    VORNA_ASSERT(!anAccelerations.empty());
    myAccelerations = anAccelerations;
}

int Window::incrementAfter(double aSeconds) const
{
    VORNA_ASSERT(myKind == WindowKind::UpDown);
    int increment = myAccelerations.front().increment;
    for (const Acceleration& step : myAccelerations)
    {
        if (aSeconds >= step.seconds)
        {
            increment = step.increment;
        }
    }
    return increment;
}

void Window::endDialog(int aResult)
{
    VORNA_ASSERT(myKind == WindowKind::Dialog);
    myEnded = true;
    myResult = aResult;
}

void Window::beginModal()
{
    VORNA_ASSERT(myKind == WindowKind::Dialog);
    myModal = true;
    myEnded = false;
    myResult = 0;
}

void Window::finishModal()
{
    VORNA_ASSERT(myKind == WindowKind::Dialog);
    myModal = false;
}

void Window::on(Notification aNotification, const Handler& aHandler)
{
    on(aNotification, anyCode, aHandler);
}

void Window::on(Notification aNotification, int aCode, const Handler& aHandler)
{
    const HandlerKey key(aNotification, aCode);
    if (aHandler)
    {
        myHandlers[key] = std::make_shared<Handler>(aHandler);
    }
    else
    {
        myHandlers.erase(key);
    }
}

bool Window::hasHandler(Notification aNotification, int aCode) const
{
    return myHandlers.count(HandlerKey(aNotification, aCode)) != 0 ||
           myHandlers.count(HandlerKey(aNotification, anyCode)) != 0;
}

bool Window::notify(Event& anEvent)
{
    auto place = myHandlers.find(HandlerKey(anEvent.notification, anEvent.code));
    if (place == myHandlers.end())
    {
        place = myHandlers.find(HandlerKey(anEvent.notification, anyCode));
    }
    if (place == myHandlers.end())
    {
        return false;
    }
    // Hold the handler: it may replace itself or destroy this window while it runs.
    const std::shared_ptr<Handler> handler = place->second;
    (*handler)(anEvent);
    return true;
}

bool Window::command(int aCommandId)
{
    Event event(Notification::Command, *this, aCommandId);
    if (notify(event))
    {
        return true;
    }
    if (myKind == WindowKind::Dialog && myModal && (aCommandId == okCommand || aCommandId == cancelCommand))
    {
        endDialog(aCommandId);
        return true;
    }
    return false;
}

std::optional<CommandState> Window::updateCommand(int aCommandId)
{
    CommandState state;
    Event event(Notification::CommandUpdate, *this, aCommandId);
    event.state = &state;
    if (!notify(event))
    {
        return std::optional<CommandState>();
    }
    return state;
}

Window* Window::enclosingDialog() const
{
    for (Window* window = myParent; window != nullptr; window = window->myParent)
    {
        if (window->myKind == WindowKind::Dialog)
        {
            return window;
        }
    }
    return nullptr;
}

void Window::changed()
{
    ++theChangeCount();
}

void Window::touch()
{
    changed();
    const unsigned long now = theChangeCount();
    myGeneration = now;
    for (Window* window = this; window != nullptr; window = window->myParent)
    {
        window->mySubtreeGeneration = now;
    }
}

unsigned long Window::destroyedCount()
{
    return theDestroyedCount();
}

unsigned long Window::changeCount()
{
    return theChangeCount();
}
}
