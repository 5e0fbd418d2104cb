#include "Pellora/Language/StringOperand.h"

StringOperand::StringOperand(const std::string& aText)
    : Operand(aText)
{
}

bool StringOperand::execute(ScriptMachine&)
{
    return true;
}
