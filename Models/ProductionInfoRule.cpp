#include "Models/ProductionInfoRule.h"

#include "Toolkit/Parameter/ControlParameter.h"

ProductionInfoRule::ProductionInfoRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'B', 12), aStatusCollection, aControlCollection)
{
    onSubjectUpdated();
}

void ProductionInfoRule::onSubjectUpdated()
{
    const bool available = subjectValue() != 0;
    control('B', 13).setAvailable(available, source());
    control('B', 14).setAvailable(available, source());
}
