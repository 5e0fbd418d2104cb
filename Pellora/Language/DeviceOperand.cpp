#include "Pellora/Language/DeviceOperand.h"

#include "Pellora/Language/ScriptMachine.h"

bool DeviceOperand::execute(ScriptMachine& aMachine)
{
    myText = aMachine.readDevice();
    return true;
}
