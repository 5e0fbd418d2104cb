#include "Models/Kq310CodingModeRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>

Kq310CodingModeRule::Kq310CodingModeRule(const ParameterId& aSubject, StatusCollection* aStatusCollection,
                                         ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, aSubject.group(), aSubject.index()), aStatusCollection,
                    aControlCollection)
{
    onSubjectUpdated();
}

void Kq310CodingModeRule::onSubjectUpdated()
{
    ControlParameter& dataRate = control(ParameterIds::dataRate);
    const int mode = control(ParameterIds::audioCodingMode).value().toShort();
    int capability = 0;
    switch (mode)
    {
    case 1:
        capability = 8;
        break;
    case 0:
    case 2:
        capability = 9;
        break;
    case 3:
    case 4:
        capability = 10;
        break;
    case 5:
    case 6:
        capability = 11;
        break;
    case 7:
        capability = 12;
        break;
    default:
        throw VornaException("Invalid audio coding mode of " + std::to_string(mode));
    }
    dataRate.setMinimum(status('@', capability).value(), source());
}
