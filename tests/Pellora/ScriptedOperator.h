#pragma once

#include "Pellora/Engine/UserInterfaceFactory.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Plays the operator at the window: answers each question in turn, records the
// message boxes, the two text fields and the progress bar, and presses Stop
// (or closes the program) at a chosen cancel check.
class ScriptedOperator : public UserInterfaceFactory
{
public:
    // The answers to the coming questions, in order. A question beyond them
    // fails the test and is answered No.
    void answer(std::initializer_list<bool> someAnswers);
    // Cancel check number aCheck (counting from 1) throws CancelException, or
    // ExitException when the program is to be closing.
    void stopAtCheck(int aCheck);
    void closeAtCheck(int aCheck);
    // The check of what waits, just before a line goes out, number aCheck
    // (counting from 1) finds Stop pressed.
    void stopAtPendingCheck(int aCheck);
    // Runs at every cancel check, before Stop is looked at.
    void onCheck(const std::function<void()>& anAction);
    // Runs while a question is up, before it is answered.
    void onAsk(const std::function<void()>& anAction);

    const std::vector<std::string>& questions() const { return myQuestions; }
    const std::vector<std::string>& messages() const { return myMessages; }
    // Every text shown in the field, in order; a new display's clearing counts.
    const std::vector<std::string>& messagesField() const { return myMessagesField; }
    const std::vector<std::string>& currentFileField() const { return myCurrentFileField; }
    const std::vector<float>& progress() const { return myProgress; }
    int checks() const { return myChecks; }
    // Every call, in order, e.g. "ask:Continue?", "show:Done", "messages:",
    // "file:a.s19", "progress:0.5", "check".
    const std::vector<std::string>& events() const { return myEvents; }
    // Implementation objects handed out and not yet deleted.
    int liveObjects() const { return myLiveObjects; }

    std::unique_ptr<UserInterface::CancelCheckerImplementation> newCancelChecker() override;
    std::unique_ptr<UserInterface::QuestionImplementation> newQuestion() override;
    std::unique_ptr<UserInterface::TextDisplayImplementation> newTextDisplay(TextField aField) override;
    std::unique_ptr<UserInterface::MessageImplementation> newMessage() override;
    std::unique_ptr<UserInterface::ProgressDisplayImplementation> newProgressDisplay() override;

    // Called by the implementation objects.
    void check();
    void checkPending();
    bool ask(const std::string& aQuestion);
    void show(const std::string& aMessage);
    void tell(TextField aField, const std::string& aText);
    void setProgress(float aFraction);
    void objectDeleted() { --myLiveObjects; }

private:
    std::deque<bool> myAnswers;
    int myStopAt = 0;
    int myCloseAt = 0;
    int myPendingStopAt = 0;
    int myPendingChecks = 0;
    std::function<void()> myCheckAction;
    std::function<void()> myAskAction;
    std::vector<std::string> myQuestions;
    std::vector<std::string> myMessages;
    std::vector<std::string> myMessagesField;
    std::vector<std::string> myCurrentFileField;
    std::vector<float> myProgress;
    int myChecks = 0;
    std::vector<std::string> myEvents;
    int myLiveObjects = 0;
};
