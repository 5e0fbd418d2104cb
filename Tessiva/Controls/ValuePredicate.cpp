#include "Tessiva/Controls/ValuePredicate.h"

ValuePredicate::~ValuePredicate()
{
}
