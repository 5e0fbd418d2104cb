#include "tests/fuzz/FuzzOperator.h"

#include "Pellora/Engine/CancelCheckerImplementation.h"
#include "Pellora/Engine/CancelException.h"
#include "Pellora/Engine/MessageImplementation.h"
#include "Pellora/Engine/ProgressDisplayImplementation.h"
#include "Pellora/Engine/QuestionImplementation.h"
#include "Pellora/Engine/TextDisplayImplementation.h"

#include <cstdio>
#include <cstdlib>

namespace
{
class Checker : public UserInterface::CancelCheckerImplementation
{
public:
    explicit Checker(FuzzOperator& anOperator) : myOperator(anOperator) {}
    void check() override { myOperator.check(); }

private:
    FuzzOperator& myOperator;
};

class Asker : public UserInterface::QuestionImplementation
{
public:
    explicit Asker(FuzzOperator& anOperator) : myOperator(anOperator) {}
    bool ask(const char*) override { return myOperator.ask(); }

private:
    FuzzOperator& myOperator;
};

class Field : public UserInterface::TextDisplayImplementation
{
public:
    void tell(const char* aStatement) override
    {
        if (aStatement == nullptr)
        {
            std::fprintf(stderr, "a text field was told nothing\n");
            std::abort();
        }
    }
};

class MessageBox : public UserInterface::MessageImplementation
{
public:
    void show(const char*) override {}
};

class ProgressBar : public UserInterface::ProgressDisplayImplementation
{
public:
    void set(float aFraction) override { FuzzOperator::setProgress(aFraction); }
};
}

std::unique_ptr<UserInterface::CancelCheckerImplementation> FuzzOperator::newCancelChecker()
{
    return std::make_unique<Checker>(*this);
}

std::unique_ptr<UserInterface::QuestionImplementation> FuzzOperator::newQuestion()
{
    return std::make_unique<Asker>(*this);
}

std::unique_ptr<UserInterface::TextDisplayImplementation> FuzzOperator::newTextDisplay(TextField)
{
    return std::make_unique<Field>();
}

std::unique_ptr<UserInterface::MessageImplementation> FuzzOperator::newMessage()
{
    return std::make_unique<MessageBox>();
}

std::unique_ptr<UserInterface::ProgressDisplayImplementation> FuzzOperator::newProgressDisplay()
{
    return std::make_unique<ProgressBar>();
}

void FuzzOperator::check()
{
    if (++myChecks == myStopAt)
    {
        throw Win32Implementation::CancelException();
    }
}

bool FuzzOperator::ask()
{
    return (myAnswers >> (myQuestions++ % 8)) & 1;
}

void FuzzOperator::setProgress(float aFraction)
{
    // The bar shows the fraction as a percentage: anything outside is a fault.
    if (!(aFraction >= 0.0f && aFraction <= 1.0f))
    {
        std::fprintf(stderr, "progress set to %f\n", static_cast<double>(aFraction));
        std::abort();
    }
}
