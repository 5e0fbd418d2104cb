#include "Pellora/Language/VersionOperand.h"

#include "Pellora/Language/ScriptMachine.h"

bool VersionOperand::execute(ScriptMachine& aMachine)
{
    myText = aMachine.readVersion();
    return true;
}
