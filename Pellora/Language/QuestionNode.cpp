#include "Pellora/Language/QuestionNode.h"

#include "Pellora/Language/ScriptMachine.h"

QuestionNode::QuestionNode(const std::string& aText)
    : myText(aText)
{
}

bool QuestionNode::execute(ScriptMachine& aMachine)
{
    return aMachine.ask(myText);
}
