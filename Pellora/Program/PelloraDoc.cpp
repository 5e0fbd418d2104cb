#include "Pellora/Program/PelloraDoc.h"

#include "Pellora/Engine/CancelException.h"
#include "Pellora/Engine/ExitException.h"
#include "Pellora/Engine/Interpreter.h"
#include "Pellora/Program/PelloraView.h"
#include "Platform/Assertion.h"
#include "Platform/Framework/MessageBox.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/Win32SerialPort.h"
#include "Toolkit/Parameter/VornaException.h"

const char* const PelloraDoc::idleCurrentFile = "Current File";

bool PelloraDoc::onNewDocument()
{
    if (!Document::onNewDocument())
    {
        return false;
    }
    myProgress = 0;
    myRunning = 0;
    myMessageText.clear();
    myCurrentFileText = idleCurrentFile;
    return true;
}

namespace
{
// Runs the parsed script; the parse tree goes with the interpreter's run.
void runScript(PelloraDoc& aDocument, Interpreter& anInterpreter, const std::string& aPath)
{
    try
    {
        if (!anInterpreter.runScript(aPath))
        {
            // A script that cannot be opened ends the run without a word.
            aDocument.resetStatus();
            return;
        }
    }
    catch (const Win32Implementation::ExitException&)
    {
        // The program is closing: the window goes, nothing to reset.
        return;
    }
    catch (const Win32Implementation::CancelException&)
    {
        aDocument.resetStatus();
        return;
    }
    catch (const VornaException&)
    {
        aDocument.resetStatus();
        throw;
    }
    aDocument.resetStatus();
}
}

void PelloraDoc::startDownload(std::int16_t anAddress, std::uint32_t aPortNumber,
                               const Platform::LineSettings& aLineSettings)
{
    PelloraView* view = dynamic_cast<PelloraView*>(firstView());
    VORNA_ASSERT(view != NULL);
    myRunning = 1;
    try
    {
        // The port is closed when the run ends, however it ends, before any
        // message is shown.
        Win32SerialPort port(aPortNumber, aLineSettings);
        SerialDevice device(&port);
        Interpreter interpreter(&view->userInterfaceFactory(), &device, static_cast<std::uint16_t>(anAddress),
                                queryKeyword);
        runScript(*this, interpreter, pathName());
    }
    catch (const VornaException& anError)
    {
        resetStatus();
        Platform::MessageBox::show(anError.what());
    }
}

void PelloraDoc::resetStatus()
{
    myRunning = 0;
    myProgress = 0;
    myMessageText.clear();
    myCurrentFileText = idleCurrentFile;
    updateAllViews(nullptr);
}
