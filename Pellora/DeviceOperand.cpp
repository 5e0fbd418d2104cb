#include "Pellora/DeviceOperand.h"

#include "Pellora/Interpreter.h"

bool DeviceOperand::execute(Interpreter& anInterpreter)
{
    myText = anInterpreter.readDevice();
    return true;
}
