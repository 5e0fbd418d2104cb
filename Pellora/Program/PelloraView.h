#pragma once

#include "Pellora/Engine/UserInterfaceFactory.h"
#include "Platform/Framework/FormView.h"
#include "Toolkit/Controls/ControlBinder.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/HexTextConverter.h"
#include "Toolkit/Parameter/ParameterValueStore.h"
#include "Toolkit/Parameter/Protocol.h"

#include <cstdint>
#include <memory>

class PelloraDoc;
class Win32EditObserver;
class Win32SpinObserver;

// The form of the program: the port and baud-rate choices, the unit's device
// address, the progress bar, the current file and the messages. It keeps the
// settings in the profile, starts and stops a run, and is the window side
// through which the interpreter shows and asks things.
class PelloraView : public Platform::FormView, private UserInterfaceFactory
{
public:
    // The address field's bounds, and where the up-down steps within.
    static constexpr std::uint16_t minimumAddress = 0x8280;
    static constexpr std::uint16_t maximumAddress = 0xFFFE;
    static constexpr std::uint16_t spinLower = 0x8080;
    static constexpr std::uint16_t spinUpper = 0xFFFE;

    // Reads the settings.
    PelloraView();
    // Writes the settings; a failure is shown in a message box.
    ~PelloraView() override;

    void onCreate() override;
    void onInitialUpdate() override;
    void onUpdate(Platform::FormView* aSender, long aHint) override;

    // The Download commands.
    void onStart();
    void onStop();

    // Between the radio buttons and the indices: true reads the buttons.
    void updateData(bool aSaveAndValidate);

    // Writes "CommPort", "BaudRate" and "DeviceAddress"; throws VornaException
    // at the first value that cannot be written.
    void saveSettings();

    PelloraDoc& pelloraDocument() const;
    UserInterfaceFactory& userInterfaceFactory() { return *this; }

    int portIndex() const { return myPortIndex; }
    int baudIndex() const { return myBaudIndex; }
    std::uint16_t address() const;
    std::uint16_t lastAddress() const { return myLastAddress; }
    unsigned char running() const { return myRunning; }
    const ControlParameter& addressParameter() const { return myAddressParameter; }

    // The offered rate at aBaudIndex; the slowest for an index beyond them.
    static std::uint32_t baudRate(int aBaudIndex);

private:
    std::unique_ptr<UserInterface::CancelCheckerImplementation> newCancelChecker() override;
    std::unique_ptr<UserInterface::QuestionImplementation> newQuestion() override;
    std::unique_ptr<UserInterface::TextDisplayImplementation> newTextDisplay(TextField aField) override;
    std::unique_ptr<UserInterface::MessageImplementation> newMessage() override;
    std::unique_ptr<UserInterface::ProgressDisplayImplementation> newProgressDisplay() override;

    Platform::Window& control(int anId) const;
    void enableControls(bool anEnabled);
    void onAddressChanged();
    void onAddressLeft();

    ParameterValueStore myAddressStore;
    Protocol myAddressProtocol;
    ControlParameter myAddressParameter;
    HexTextConverter myAddressConverter;
    ControlBinder myBinder;
    std::unique_ptr<Win32EditObserver> myEditObserver;
    std::unique_ptr<Win32SpinObserver> mySpinObserver;
    int myPortIndex = 0;
    int myBaudIndex = 0;
    std::uint16_t myLastAddress = minimumAddress;
    unsigned char myRunning = 0;
};
