#include "Models/Kq310DataRateRule.h"

#include "Models/ParameterIds.h"
#include "Toolkit/Parameter/ControlParameter.h"

Kq310DataRateRule::Kq310DataRateRule(const ParameterId& aSubject, StatusCollection* aStatusCollection,
                                     ControlCollection* aControlCollection)
    : TableObserver(&findControl(aControlCollection, aSubject.group(), aSubject.index()), aStatusCollection,
                    aControlCollection)
{
    onSubjectUpdated();
}

void Kq310DataRateRule::onSubjectUpdated()
{
    ControlParameter& codingMode = control(ParameterIds::audioCodingMode);
    const int dataRate = control(ParameterIds::dataRate).value().toShort();
    const bool lfe = control(ParameterIds::lfeChannel).value().toShort() != 0;
    const int bitStreamMode = control(ParameterIds::bitStreamMode).value().toShort();

    int minimum = lfe ? 3 : (bitStreamMode >= 7 ? 1 : 0);
    int maximum = 7;
    // The capability rows are looked up only as far as the data rate needs them.
    if (dataRate < status('@', 9).value().toShort())
    {
        maximum = 1;
        minimum = lfe ? 3 : 1;
    }
    else if (dataRate < status('@', 10).value().toShort())
    {
        maximum = 2;
    }
    else if (dataRate < status('@', 11).value().toShort())
    {
        maximum = 4;
    }
    else if (dataRate < status('@', 12).value().toShort())
    {
        maximum = 6;
    }
    codingMode.setMinimum(ParameterValue(minimum), source());
    codingMode.setMaximum(ParameterValue(maximum), source());
}
