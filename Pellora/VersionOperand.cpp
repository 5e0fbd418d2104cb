#include "Pellora/VersionOperand.h"

#include "Pellora/Interpreter.h"

bool VersionOperand::execute(Interpreter& anInterpreter)
{
    myText = anInterpreter.readVersion();
    return true;
}
