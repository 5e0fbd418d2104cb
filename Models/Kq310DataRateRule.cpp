#include "Models/Kq310DataRateRule.h"

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
    ControlParameter& codingMode = control('B', 3);
    const int dataRate = control('B', 1).value().toShort();
    const bool lfe = control('B', 4).value().toShort() != 0;
    const int bitStreamMode = control('B', 2).value().toShort();

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
