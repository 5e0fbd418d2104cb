#include "Pellora/Program/PelloraView.h"

#include "Pellora/Program/PelloraDoc.h"
#include "Pellora/Program/PelloraResources.h"
#include "Pellora/Window/Win32CancelChecker.h"
#include "Pellora/Window/Win32Message.h"
#include "Pellora/Window/Win32ProgressDisplay.h"
#include "Pellora/Window/Win32Question.h"
#include "Pellora/Window/Win32TextDisplay.h"
#include "Platform/Assertion.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/Framework/RecentFileList.h"
#include "Platform/LineSettings.h"
#include "Platform/Window/Backend.h"
#include "Platform/Window/Window.h"
#include "Toolkit/Controls/SpinAccelerations.h"
#include "Toolkit/Controls/Win32EditObserver.h"
#include "Toolkit/Controls/Win32SpinObserver.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"
#include "Toolkit/Parameter/VornaException.h"

namespace
{
using Platform::CommandIds;
using Platform::CommandState;

const char* const settingsSection = "Settings";
const char* const portEntry = "CommPort";
const char* const baudRateEntry = "BaudRate";
const char* const addressEntry = "DeviceAddress";
const int defaultAddress = 33408;
const int addressWidth = 4;

// Two bytes as the parameter holds them, most significant first.
ParameterValue sixteenBits(std::uint16_t aValue)
{
    return ParameterValue(static_cast<std::int32_t>(aValue));
}
}

PelloraView::PelloraView()
    : FormView(PelloraResources::formView),
      myAddressProtocol(&myAddressStore),
      myAddressParameter(&myAddressProtocol, ParameterId(0, 0), sixteenBits(minimumAddress), sixteenBits(maximumAddress)),
      myAddressConverter(addressWidth),
      // A refused address leaves the field as the user typed it.
      myBinder(&ControlBinder::dropRefusals)
{
    const Platform::ProfileStore& profile = Platform::Application::current().profile();
    myPortIndex = profile.getInt(settingsSection, portEntry, 0);
    myBaudIndex = profile.getInt(settingsSection, baudRateEntry, 0);
    const int stored = profile.getInt(settingsSection, addressEntry, defaultAddress);
    // Out of bounds, the parameter keeps its lowest address.
    myAddressParameter.setValue(sixteenBits(static_cast<std::uint16_t>(stored)));
    myLastAddress = static_cast<std::uint16_t>(stored);

    mapCommand(PelloraResources::startCommand, [this]() { onStart(); });
    mapCommand(PelloraResources::stopCommand, [this]() { onStop(); });
    mapCommandUpdate(CommandIds::fileOpen, [this](CommandState& aState) { aState.enabled = myRunning == 0; });
    mapCommandUpdate(PelloraResources::startCommand, [this](CommandState& aState) {
        aState.enabled = !pelloraDocument().pathName().empty() && myRunning == 0;
    });
    mapCommandUpdate(PelloraResources::stopCommand, [this](CommandState& aState) { aState.enabled = myRunning != 0; });
    // A modal box would hold the run's lines for as long as it shows, and
    // the unit's loader may give up meanwhile: About waits for the run's end.
    mapCommandUpdate(CommandIds::appAbout, [this](CommandState& aState) { aState.enabled = myRunning == 0; });
    // Opening another script during a run would start the view afresh under
    // the run: the recent scripts wait for the run's end as Select does.
    mapCommandUpdateRange(CommandIds::recentFileFirst, CommandIds::recentFileLast,
                          [this](unsigned aCommandId, CommandState& aState) {
                              const Platform::RecentFileList* files = Platform::Application::current().recentFiles();
                              aState.enabled = myRunning == 0 && files != nullptr &&
                                               aCommandId - CommandIds::recentFileFirst < files->count();
                          });
}

PelloraView::~PelloraView()
{
    if (!Platform::Application::exists())
    {
        return;
    }
    try
    {
        saveSettings();
    }
    catch (const VornaException& anError)
    {
        // The window is going away: the message box is the last word.
        if (Platform::Backend::isInstalled())
        {
            Platform::MessageBox::show(anError.what());
        }
    }
}

void PelloraView::saveSettings()
{
    Platform::ProfileStore& profile = Platform::Application::current().profile();
    if (!profile.writeInt(settingsSection, portEntry, myPortIndex))
    {
        throw VornaException("error saving the comm port state");
    }
    if (!profile.writeInt(settingsSection, baudRateEntry, myBaudIndex))
    {
        throw VornaException("error saving the baud rate state");
    }
    if (!profile.writeInt(settingsSection, addressEntry, myAddressParameter.value().toShort()))
    {
        throw VornaException("error saving the device address state");
    }
}

void PelloraView::onCreate()
{
    for (int index = 0; index < PelloraResources::portCount; ++index)
    {
        control(PelloraResources::firstPort + index).on(Platform::Notification::Clicked,
                                                        [this](Platform::Event&) { updateData(true); });
    }
    for (int index = 0; index < PelloraResources::baudRateCount; ++index)
    {
        control(PelloraResources::firstBaudRate + index).on(Platform::Notification::Clicked,
                                                            [this](Platform::Event&) { updateData(true); });
    }
}

void PelloraView::onInitialUpdate()
{
    updateData(false);
    FormView::onInitialUpdate();
    myRunning = 0;

    // A later script opened starts the form afresh: the old observers go first.
    myEditObserver.reset();
    mySpinObserver.reset();
    // The edit's typing is handled here, and before the edit is attached, so
    // that the address it first shows is corrected as a typed one is.
    Platform::Window& edit = control(PelloraResources::addressEdit);
    ControlBinder::make(myEditObserver, &edit, &myAddressConverter);
    myBinder.handle(edit, Platform::Notification::EditChanged, [this]() { onAddressChanged(); });
    myBinder.handle(edit, Platform::Notification::FocusLost, [this]() { onAddressLeft(); });
    myAddressParameter.attach(myEditObserver.get());
    Platform::Window& spin = control(PelloraResources::addressSpin);
    myBinder.bind(mySpinObserver, myAddressParameter, &spin);

    spin.setAccelerations(SpinAccelerations::address());
    // The up-down takes its range as 16-bit values.
    spin.setRange(static_cast<std::int16_t>(spinLower), static_cast<std::int16_t>(spinUpper));

    parentFrame().recalcLayout();
    resizeParentToFit(false);
}

void PelloraView::onUpdate(Platform::FormView*, long)
{
    const PelloraDoc& document = pelloraDocument();
    myRunning = document.running();
    if (myRunning == 0)
    {
        enableControls(true);
    }
    Platform::Window& messages = control(PelloraResources::messages);
    Platform::Window& currentFile = control(PelloraResources::currentFile);
    Platform::Window& progress = control(PelloraResources::progressBar);
    messages.setText(document.messageText());
    currentFile.setText(document.currentFileText());
    progress.setPosition(document.progress());
    messages.invalidate();
    currentFile.invalidate();
    progress.invalidate();
}

void PelloraView::onStart()
{
    myRunning = 1;
    enableControls(false);
    // The tool bar and menu show the run before its first step, which may
    // be a message or a question that holds the window.
    Platform::Application::current().onIdle(0);
    pelloraDocument().startDownload(myAddressParameter.value().toShort(),
                                    static_cast<std::uint32_t>(myPortIndex + 1),
                                    Platform::LineSettings(baudRate(myBaudIndex)));
}

void PelloraView::onStop()
{
    // The run's next cancel check reads the flag.
    myRunning = 0;
    enableControls(true);
}

void PelloraView::updateData(bool aSaveAndValidate)
{
    Platform::Window& form = window();
    if (aSaveAndValidate)
    {
        myPortIndex = form.checkedRadioIndex(PelloraResources::firstPort);
        myBaudIndex = form.checkedRadioIndex(PelloraResources::firstBaudRate);
    }
    else
    {
        form.checkRadioIndex(PelloraResources::firstPort, myPortIndex);
        form.checkRadioIndex(PelloraResources::firstBaudRate, myBaudIndex);
    }
}

PelloraDoc& PelloraView::pelloraDocument() const
{
    PelloraDoc* document = dynamic_cast<PelloraDoc*>(&this->document());
    VORNA_ASSERT(document != NULL);
    return *document;
}

std::uint16_t PelloraView::address() const
{
    return myAddressParameter.value().toUnsignedShort();
}

std::uint32_t PelloraView::baudRate(int aBaudIndex)
{
    const Platform::RateList rates = Platform::RateList::download();
    return rates.at(aBaudIndex).value_or(*rates.at(0)).baudRate;
}

std::unique_ptr<UserInterface::CancelCheckerImplementation> PelloraView::newCancelChecker()
{
    return std::make_unique<Win32Implementation::Win32CancelChecker>(&myRunning);
}

std::unique_ptr<UserInterface::QuestionImplementation> PelloraView::newQuestion()
{
    return std::make_unique<Win32Implementation::Win32Question>();
}

std::unique_ptr<UserInterface::TextDisplayImplementation> PelloraView::newTextDisplay(TextField aField)
{
    const int id = aField == MessagesField ? PelloraResources::messages : PelloraResources::currentFile;
    return std::make_unique<Win32Implementation::Win32TextDisplay>(&control(id));
}

std::unique_ptr<UserInterface::MessageImplementation> PelloraView::newMessage()
{
    return std::make_unique<Win32Implementation::Win32Message>();
}

std::unique_ptr<UserInterface::ProgressDisplayImplementation> PelloraView::newProgressDisplay()
{
    return std::make_unique<Win32Implementation::Win32ProgressDisplay>(&control(PelloraResources::progressBar));
}

Platform::Window& PelloraView::control(int anId) const
{
    Platform::Window* found = window().findChild(anId);
    VORNA_ASSERT(found != NULL);
    return *found;
}

void PelloraView::enableControls(bool anEnabled)
{
    for (int index = 0; index < PelloraResources::portCount; ++index)
    {
        control(PelloraResources::firstPort + index).enable(anEnabled);
    }
    for (int index = 0; index < PelloraResources::baudRateCount; ++index)
    {
        control(PelloraResources::firstBaudRate + index).enable(anEnabled);
    }
    control(PelloraResources::addressEdit).enable(anEnabled);
    control(PelloraResources::addressSpin).enable(anEnabled);
}

void PelloraView::onAddressChanged()
{
    // While a new observer is being made, its edit is emptied: nothing to commit.
    if (myEditObserver == nullptr)
    {
        return;
    }
    myEditObserver->commit();
    // Both bytes stay within 0x80..0xFE with the lowest bit clear; a step
    // down across a byte's lower end borrows from the high byte.
    std::uint16_t value = myAddressParameter.value().toUnsignedShort();
    if ((value & 0x80) == 0 && value < myLastAddress)
    {
        value = static_cast<std::uint16_t>(value - 256);
    }
    const std::uint16_t address = static_cast<std::uint16_t>((value & 0x7F7E) | 0x8080);
    myLastAddress = address;
    myAddressParameter.setValue(sixteenBits(address));
}

void PelloraView::onAddressLeft()
{
    if (myEditObserver != nullptr)
    {
        myEditObserver->refresh();
    }
}
