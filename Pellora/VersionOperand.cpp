#include "Pellora/VersionOperand.h"

#include "Pellora/ScriptMachine.h"

bool VersionOperand::execute(ScriptMachine& aMachine)
{
    myText = aMachine.readVersion();
    return true;
}
