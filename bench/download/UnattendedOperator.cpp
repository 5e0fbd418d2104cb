#include "bench/download/UnattendedOperator.h"

namespace
{
class GoOn : public UserInterface::CancelCheckerImplementation
{
public:
    void check() override {}
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

std::unique_ptr<UserInterface::CancelCheckerImplementation> UnattendedOperator::newCancelChecker()
{
    return std::make_unique<GoOn>();
}

std::unique_ptr<UserInterface::QuestionImplementation> UnattendedOperator::newQuestion()
{
    return std::make_unique<SayYes>();
}

std::unique_ptr<UserInterface::TextDisplayImplementation> UnattendedOperator::newTextDisplay(TextField)
{
    return std::make_unique<NoField>();
}

std::unique_ptr<UserInterface::MessageImplementation> UnattendedOperator::newMessage()
{
    return std::make_unique<NoMessage>();
}

std::unique_ptr<UserInterface::ProgressDisplayImplementation> UnattendedOperator::newProgressDisplay()
{
    return std::make_unique<NoBar>();
}
