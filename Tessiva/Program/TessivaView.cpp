#include "Tessiva/Program/TessivaView.h"

#include "Platform/Assertion.h"
#include "Platform/FileReplacement.h"
#include "Platform/Framework/Application.h"
#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/FileDialog.h"
#include "Platform/Framework/MainFrame.h"
#include "Platform/Framework/MessageBox.h"
#include "Platform/RegularFile.h"
#include "Platform/SystemReason.h"
#include "Platform/WaitCursor.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/Event.h"
#include "Platform/Window/Window.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceException.h"
#include "Tessiva/DeviceKey.h"
#include "Tessiva/DeviceSettings.h"
#include "Tessiva/OpenDeviceDialog.h"
#include "Tessiva/Program/AboutDialog.h"
#include "Tessiva/Program/OpeningDeviceBox.h"
#include "Tessiva/Program/PanelFactory.h"
#include "Tessiva/Panels/DevicePanel.h"
#include "Tessiva/Program/TessivaResources.h"
#include "Toolkit/Parameter/VornaException.h"

#include <cerrno>
#include <fstream>
#include <functional>

namespace
{
using Platform::CommandState;
using Platform::FileDialogKind;
using R = TessivaResources;

const char* const configurationFilter = "Tessiva Files (*.vnb)|*.vnb|All Files (*.*)|*.*||";
const char* const textFilter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
const char* const htmlFilter = "HTML Files (*.htm)|*.htm|All Files (*.*)|*.*||";

// Writes the file whole or not at all: whatever goes wrong, and when, the old
// file stays as it was. A failure of the system (a full disk, a file too
// large) is told with its reason, in place of what the writer makes of the
// failed stream.
void saveFile(const std::string& aPath, const std::function<void(std::ostream&)>& aWriter)
{
    Platform::FileReplacement file(aPath);
    if (!file.isOpen())
    {
        throw VornaException(Platform::withReason("Error opening " + aPath, file.error()));
    }
    try
    {
        aWriter(file.stream());
    }
    catch (const VornaException&)
    {
        if (file.error() == 0)
        {
            throw;
        }
    }
    if (!file.commit())
    {
        throw VornaException(Platform::withReason("Error saving " + aPath, file.error()));
    }
}

// Only a regular file is read: a FIFO would block in the open, a device or a folder never end.
void openFile(const std::string& aPath, std::ifstream& aStream)
{
    errno = 0;
    if (!Platform::isRegularFile(aPath))
    {
        // A file that is there but no regular file has no system reason to tell.
        throw VornaException(Platform::withReason("Error opening " + aPath, errno));
    }
    aStream.open(aPath, std::ios::in | std::ios::binary);
    if (!aStream.is_open())
    {
        throw VornaException(Platform::withReason("Error opening " + aPath, errno));
    }
}
}

TessivaView::TessivaView(PanelFactory& aPanelFactory)
    : FormView(R::formView), myPanelFactory(aPanelFactory)
{
    mapCommand(R::saveConfigurationCommand, [this]() { onSaveConfiguration(); });
    mapCommand(R::openConfigurationCommand, [this]() { onOpenConfiguration(); });
    mapCommand(R::exportTextCommand, [this]() { onExportText(); });
    mapCommand(R::exportHtmlCommand, [this]() { onExportHtml(); });
    mapCommand(Platform::CommandIds::appAbout, [this]() { onAbout(); });
    mapCommand(R::newDeviceCommand, [this]() { onNewDevice(); });
    mapCommand(R::closeDeviceCommand, [this]() { onCloseDevice(); });
    const unsigned deviceCommands[] = {R::closeDeviceCommand, R::saveConfigurationCommand,
                                       R::openConfigurationCommand, R::exportTextCommand, R::exportHtmlCommand};
    for (unsigned command : deviceCommands)
    {
        mapCommandUpdate(command, [this](CommandState& aState) {
            aState.enabled = isCreated() && tessivaDocument().deviceCount() > 0;
        });
    }
}

TessivaView::~TessivaView()
{
    if (isCreated())
    {
        stopPolling();
    }
}

CTessivaDoc& TessivaView::tessivaDocument() const
{
    return static_cast<CTessivaDoc&>(document());
}

void TessivaView::onCreate()
{
    FormView::onCreate();
    Platform::Window* tabControl = window().findChild(R::deviceTabControl);
    VORNA_ASSERT(tabControl != NULL);
    myTabs.attach(tabControl);
    tabControl->on(Platform::Notification::TabSelectionChanged, [this](Platform::Event&) { onSelChangeDevice(); });
    window().on(Platform::Notification::Message, CTessivaDoc::closeSelectedDeviceMessage,
                [this](Platform::Event&) { onCloseDevice(); });
}

void TessivaView::onInitialUpdate()
{
    FormView::onInitialUpdate();
    parentFrame().recalcLayout();
    // As large as the panels need, as far as the screen allows.
    resizeParentToFit(false);
    onNewDevice();
}

void TessivaView::onUpdate(Platform::FormView* aSender, long aHint)
{
    FormView::onUpdate(aSender, aHint);
    try
    {
        myTabs.removeOrphanedTabs();
    }
    catch (const VornaException& anError)
    {
        Platform::MessageBox::show(anError.what());
    }
}

void TessivaView::onTimer(unsigned)
{
    Platform::Application::current().onIdle(0);
    try
    {
        tabs().pollSelected();
    }
    catch (const DeviceException& anError)
    {
        stopPolling();
        tessivaDocument().handleCommunicationsError(anError);
        startPolling();
    }
}

void TessivaView::startPolling()
{
    myTimerId = setTimer(pollTimer, pollPeriod);
    try
    {
        tabs().refreshSelected();
    }
    catch (const DeviceException& anError)
    {
        stopPolling();
        // Closes the selected device by message 0x65, which starts polling again.
        tessivaDocument().reportErrorAndClose(anError);
    }
}

void TessivaView::stopPolling()
{
    killTimer(myTimerId);
}

void TessivaView::onSelChangeDevice()
{
    try
    {
        Platform::WaitCursor waiting;
        tabs().selectionChange();
    }
    catch (const VornaException& anError)
    {
        Platform::MessageBox::show(anError.what());
    }
}

void TessivaView::onNewDevice()
{
    DeviceSettings settings(&tessivaDocument());
    {
        // The dialog goes before the settings are written back.
        OpenDeviceDialog dialog(&settings);
        stopPolling();
        if (dialog.doModal() == Platform::DialogResult::ok)
        {
            OpeningDeviceBox box;
            try
            {
                Platform::WaitCursor waiting;
                deviceFactory(settings);
            }
            catch (const VornaException& anError)
            {
                Platform::MessageBox::show(anError.what());
            }
        }
        startPolling();
    }
    settings.save();
}

void TessivaView::deviceFactory(DeviceSettings& aSettings)
{
    DeviceKey key(0, 0);
    CTessivaDoc& document = tessivaDocument();
    const int type = aSettings.deviceType();
    bool created = false;
    switch (type)
    {
    case PanelFactory::kq310: created = document.createKq310Device(key, aSettings); break;
    case PanelFactory::kq330: created = document.createKq330Device(key, aSettings); break;
    case PanelFactory::kq350: created = document.createKq350Device(key, aSettings); break;
    default: throw VornaException("Unexpected device type: " + std::to_string(type));
    }
    if (!created)
    {
        return;
    }
    std::unique_ptr<DevicePanel> panel;
    try
    {
        panel = myPanelFactory.createPanel(type, tabs().window(), key, document, *this);
    }
    catch (const VornaException&)
    {
        // A device without a tab could never be closed and would hold its port.
        document.closeDevice(key);
        throw;
    }
    VORNA_ASSERT(panel != nullptr);
    tabs().addPanel(type == PanelFactory::kq310 ? "Kq310" : "Kq350", std::move(panel));
}

void TessivaView::onCloseDevice()
{
    stopPolling();
    tabs().closeSelected();
    startPolling();
}

void TessivaView::onAbout()
{
    stopPolling();
    AboutDialog::doModal();
    startPolling();
}

void TessivaView::runFileCommand(FileDialogKind aKind, const std::string& anExtension, const std::string& aFilter,
                                 const FileAction& anAction)
{
    stopPolling();
    Platform::FileDialog dialog(aKind, anExtension, aFilter);
    dialog.request().hideReadOnly = true;
    dialog.request().promptOverwrite = aKind == FileDialogKind::Save;
    if (dialog.run())
    {
        try
        {
            anAction(dialog.path(), dialog.fileTitle());
        }
        catch (const VornaException& anError)
        {
            Platform::MessageBox::show(anError.what());
        }
    }
    startPolling();
}

void TessivaView::onSaveConfiguration()
{
    runFileCommand(FileDialogKind::Save, "vnb", configurationFilter,
                   [this](const std::string& aPath, const std::string&) {
                       saveFile(aPath, [this](std::ostream& aStream) { tabs().saveConfiguration(aStream); });
                   });
}

void TessivaView::onOpenConfiguration()
{
    runFileCommand(FileDialogKind::Open, "vnb", configurationFilter,
                   [this](const std::string& aPath, const std::string&) {
                       std::ifstream stream;
                       openFile(aPath, stream);
                       Platform::WaitCursor waiting;
                       tabs().restoreConfiguration(stream);
                   });
}

void TessivaView::onExportText()
{
    runFileCommand(FileDialogKind::Save, "txt", textFilter, [this](const std::string& aPath, const std::string& aTitle) {
        saveFile(aPath, [this, &aTitle](std::ostream& aStream) { tabs().writeTextReport(aStream, aTitle); });
    });
}

void TessivaView::onExportHtml()
{
    runFileCommand(FileDialogKind::Save, "htm", htmlFilter, [this](const std::string& aPath, const std::string& aTitle) {
        saveFile(aPath, [this, &aTitle](std::ostream& aStream) { tabs().writeHtmlReport(aStream, aTitle); });
    });
}
