#include "tests/Pellora/ScriptedOperator.h"

#include "Pellora/Engine/CancelException.h"
#include "Pellora/Engine/ExitException.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
// Each object stands for one window-side object of a statement and reports
// its life to the operator, so tests can see that none is leaked or kept.
class Part
{
public:
    explicit Part(ScriptedOperator& anOperator)
        : myOperator(anOperator)
    {
    }
    ~Part() { myOperator.objectDeleted(); }

protected:
    ScriptedOperator& myOperator;
};

class Checker : public UserInterface::CancelCheckerImplementation, private Part
{
public:
    explicit Checker(ScriptedOperator& anOperator)
        : Part(anOperator)
    {
    }
    void check() override { myOperator.check(); }
    void checkPending() override { myOperator.checkPending(); }
};

class Asker : public UserInterface::QuestionImplementation, private Part
{
public:
    explicit Asker(ScriptedOperator& anOperator)
        : Part(anOperator)
    {
    }
    bool ask(const char* aQuestion) override { return myOperator.ask(aQuestion); }
};

class Field : public UserInterface::TextDisplayImplementation, private Part
{
public:
    Field(ScriptedOperator& anOperator, UserInterfaceFactory::TextField aField)
        : Part(anOperator)
        , myField(aField)
    {
        myOperator.tell(myField, "");
    }
    void tell(const char* aStatement) override { myOperator.tell(myField, aStatement); }

private:
    UserInterfaceFactory::TextField myField;
};

class MessageBox : public UserInterface::MessageImplementation, private Part
{
public:
    explicit MessageBox(ScriptedOperator& anOperator)
        : Part(anOperator)
    {
    }
    void show(const char* aMessage) override { myOperator.show(aMessage); }
};

class ProgressBar : public UserInterface::ProgressDisplayImplementation, private Part
{
public:
    explicit ProgressBar(ScriptedOperator& anOperator)
        : Part(anOperator)
    {
    }
    void set(float aFraction) override { myOperator.setProgress(aFraction); }
};
}

void ScriptedOperator::answer(std::initializer_list<bool> someAnswers)
{
    myAnswers.insert(myAnswers.end(), someAnswers.begin(), someAnswers.end());
}

void ScriptedOperator::stopAtCheck(int aCheck)
{
    myStopAt = aCheck;
}

void ScriptedOperator::closeAtCheck(int aCheck)
{
    myCloseAt = aCheck;
}

void ScriptedOperator::onCheck(const std::function<void()>& anAction)
{
    myCheckAction = anAction;
}

void ScriptedOperator::stopAtPendingCheck(int aCheck)
{
    myPendingStopAt = aCheck;
}

void ScriptedOperator::checkPending()
{
    if (++myPendingChecks == myPendingStopAt)
    {
        throw Win32Implementation::CancelException();
    }
}

void ScriptedOperator::onAsk(const std::function<void()>& anAction)
{
    myAskAction = anAction;
}

std::unique_ptr<UserInterface::CancelCheckerImplementation> ScriptedOperator::newCancelChecker()
{
    ++myLiveObjects;
    return std::make_unique<Checker>(*this);
}

std::unique_ptr<UserInterface::QuestionImplementation> ScriptedOperator::newQuestion()
{
    ++myLiveObjects;
    return std::make_unique<Asker>(*this);
}

std::unique_ptr<UserInterface::TextDisplayImplementation> ScriptedOperator::newTextDisplay(TextField aField)
{
    ++myLiveObjects;
    return std::make_unique<Field>(*this, aField);
}

std::unique_ptr<UserInterface::MessageImplementation> ScriptedOperator::newMessage()
{
    ++myLiveObjects;
    return std::make_unique<MessageBox>(*this);
}

std::unique_ptr<UserInterface::ProgressDisplayImplementation> ScriptedOperator::newProgressDisplay()
{
    ++myLiveObjects;
    return std::make_unique<ProgressBar>(*this);
}

void ScriptedOperator::check()
{
    ++myChecks;
    myEvents.push_back("check");
    if (myCheckAction)
    {
        myCheckAction();
    }
    if (myChecks == myStopAt)
    {
        throw Win32Implementation::CancelException();
    }
    if (myChecks == myCloseAt)
    {
        throw Win32Implementation::ExitException();
    }
}

bool ScriptedOperator::ask(const std::string& aQuestion)
{
    myQuestions.push_back(aQuestion);
    myEvents.push_back("ask:" + aQuestion);
    if (myAskAction)
    {
        myAskAction();
    }
    if (myAnswers.empty())
    {
        ADD_FAILURE() << "unexpected question: " << aQuestion;
        return false;
    }
    const bool answer = myAnswers.front();
    myAnswers.pop_front();
    return answer;
}

void ScriptedOperator::show(const std::string& aMessage)
{
    myMessages.push_back(aMessage);
    myEvents.push_back("show:" + aMessage);
}

void ScriptedOperator::tell(TextField aField, const std::string& aText)
{
    if (aField == MessagesField)
    {
        myMessagesField.push_back(aText);
        myEvents.push_back("messages:" + aText);
    }
    else
    {
        myCurrentFileField.push_back(aText);
        myEvents.push_back("file:" + aText);
    }
}

void ScriptedOperator::setProgress(float aFraction)
{
    myProgress.push_back(aFraction);
    std::ostringstream event;
    event << "progress:" << aFraction;
    myEvents.push_back(event.str());
}
