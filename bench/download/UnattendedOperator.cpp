#include "bench/download/UnattendedOperator.h"

namespace
{
class GoOn : public UserInterface::CancelCheckerImplementation
{
public:
    bool check() override { return true; }
};

class SayYes : public UserInterface::QuestionImplementation
{
public:
    bool ask(const char*) override { return true; }
};

class NoField : public UserInterface::TextDisplayImplementation
{
public:
    void tell(const char*) override {}
};

class NoMessage : public UserInterface::MessageImplementation
{
public:
    void show(const char*) override {}
};

class NoBar : public UserInterface::ProgressDisplayImplementation
{
public:
    void set(float) override {}
};
}

UserInterface::CancelCheckerImplementation* UnattendedOperator::newCancelChecker()
{
    return new GoOn;
}

UserInterface::QuestionImplementation* UnattendedOperator::newQuestion()
{
    return new SayYes;
}

UserInterface::TextDisplayImplementation* UnattendedOperator::newTextDisplay(TextField)
{
    return new NoField;
}

UserInterface::MessageImplementation* UnattendedOperator::newMessage()
{
    return new NoMessage;
}

UserInterface::ProgressDisplayImplementation* UnattendedOperator::newProgressDisplay()
{
    return new NoBar;
}
