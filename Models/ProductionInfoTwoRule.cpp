#include "Models/ProductionInfoTwoRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

ProductionInfoTwoRule::ProductionInfoTwoRule(StatusCollection* aStatusCollection,
                                             ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, 'B', 17), aStatusCollection, aControlCollection)
{
}

void ProductionInfoTwoRule::update(Subject* aSubject)
{
    if (aSubject == nullptr || aSubject != mySubject)
    {
        return;
    }
    const bool available = parameter()->value().toShort() != 0 && control(ParameterIds::audioCodingMode).value().toShort() == 0;
    control('B', 18).setAvailable(available, source());
    control('B', 19).setAvailable(available, source());
}
