#include "Pellora/Engine/Interpreter.h"

#include "Pellora/Engine/CancelChecker.h"
#include "Pellora/Engine/DownloadFile.h"
#include "Pellora/Engine/Message.h"
#include "Pellora/Engine/ProgressDisplay.h"
#include "Pellora/Engine/Question.h"
#include "Pellora/Engine/TextDisplay.h"
#include "Pellora/Language/Node.h"
#include "Pellora/Language/ScriptParser.h"
#include "Platform/Assertion.h"
#include "Platform/RegularFile.h"
#include "Toolkit/Link/SerialDevice.h"
#include "Toolkit/Link/SmpteProtocol.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterValue.h"
#include "Toolkit/Parameter/Protocol.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

Interpreter::Interpreter(UserInterfaceFactory* aFactory, SerialDevice* aDevice, std::uint16_t anAddress,
                         signed char aQueryKeyword, const DownloadClock* aClock)
    : myFactory(aFactory)
    , myDevice(aDevice)
    , myAddress(anAddress)
    , myInitialQueryKeyword(aQueryKeyword)
    , myQueryKeyword(aQueryKeyword)
    , myClock(aClock != nullptr ? aClock : &DownloadClock::steady())
{
    VORNA_ASSERT(aFactory != NULL && aDevice != NULL);
    myDevice->setTimeouts(SmpteProtocol::readTimeout);
}

bool Interpreter::runScript(const std::string& aPath)
{
    // A FIFO would block in the open, out of reach of Stop; a folder or a device is no script.
    std::error_code error;
    if (!Platform::isRegularFile(aPath))
    {
        return false;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(aPath.c_str(), "r"), &std::fclose);
    if (!file)
    {
        return false;
    }
    const std::unique_ptr<Node> tree = ScriptParser::parse(file.get());
    file.reset();
    // A script names the files beside it, wherever the program was started.
    myScriptFolder = std::filesystem::absolute(aPath, error).lexically_normal().parent_path().string();
    execute(*tree);
    return true;
}

bool Interpreter::execute(Node& aRoot)
{
    myQueryKeyword = myInitialQueryKeyword;
    myProtocol = true;
    return aRoot.execute(*this);
}

void Interpreter::sendText(const std::string& aText)
{
    if (myProtocol)
    {
        UserInterface::CancelChecker checker(myFactory->newCancelChecker());
        DownloadFile::checkStatus(*myDevice, checker, *myClock);
    }
    myDevice->write(reinterpret_cast<const unsigned char*>(aText.data()), static_cast<std::uint32_t>(aText.size()));
}

void Interpreter::enterDownloadMode()
{
    const signed char keyword = myQueryKeyword;
    withProtocol([keyword](AbstractProtocol& aProtocol) {
        aProtocol.setValue(ParameterId(keyword + 1, 0), ParameterValue(1), 0);
    });
}

std::string Interpreter::readVersion()
{
    std::string text;
    const signed char keyword = myQueryKeyword;
    withProtocol([keyword, &text](AbstractProtocol& aProtocol) {
        text = aProtocol.getValue(ParameterId(keyword, 1)).toString();
    });
    return text;
}

std::string Interpreter::readDevice()
{
    std::string text;
    const signed char keyword = myQueryKeyword;
    withProtocol([keyword, &text](AbstractProtocol& aProtocol) {
        text = aProtocol.getValue(ParameterId(keyword, 0)).toString();
    });
    return text;
}

bool Interpreter::ask(const std::string& aQuestion)
{
    UserInterface::Question question(myFactory->newQuestion());
    return question.ask(aQuestion.c_str());
}

void Interpreter::showMessage(const std::string& aMessage)
{
    UserInterface::Message message(myFactory->newMessage());
    message.show(aMessage.c_str());
}

void Interpreter::print(const std::string& aText)
{
    UserInterface::TextDisplay display(myFactory->newTextDisplay(UserInterfaceFactory::MessagesField));
    display.tell(aText.c_str());
}

void Interpreter::download(const std::string& aFileName)
{
    // The field shows the name as the script gives it; the file sent is the
    // one beside the script.
    UserInterface::TextDisplay currentFile(myFactory->newTextDisplay(UserInterfaceFactory::CurrentFileField));
    currentFile.tell(aFileName.c_str());
    UserInterface::ProgressDisplay progress(myFactory->newProgressDisplay());
    UserInterface::CancelChecker checker(myFactory->newCancelChecker());
    DownloadFile file(pathOf(aFileName));
    file.download(*myDevice, progress, checker, myProtocol, *myClock);
    currentFile.tell("");
}

std::string Interpreter::pathOf(const std::string& aFileName) const
{
    const std::filesystem::path name(aFileName);
    if (myScriptFolder.empty() || aFileName.empty() || name.is_absolute())
    {
        return aFileName;
    }
    return (std::filesystem::path(myScriptFolder) / name).string();
}

void Interpreter::withProtocol(const std::function<void(AbstractProtocol&)>& anOperation)
{
    SmpteProtocol implementation(myAddress, myDevice);
    Protocol protocol(&implementation);
    anOperation(protocol);
}
