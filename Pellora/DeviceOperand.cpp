#include "Pellora/DeviceOperand.h"

#include "Pellora/ScriptMachine.h"

bool DeviceOperand::execute(ScriptMachine& aMachine)
{
    myText = aMachine.readDevice();
    return true;
}
