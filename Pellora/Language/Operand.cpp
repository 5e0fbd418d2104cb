#include "Pellora/Language/Operand.h"

Operand::Operand(const std::string& aText)
    : myText(aText)
{
}
