#include "Models/TimeCodeFormatRule.h"

#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/VornaException.h"

#include <string>

TimeCodeFormatRule::TimeCodeFormatRule(const ParameterId& aSubject, StatusCollection* aStatusCollection,
                                       ControlCollection* aControlCollection)
    : TableObserver(&findStatus(aStatusCollection, aSubject.group(), aSubject.index()), aStatusCollection,
                    aControlCollection)
{
    onSubjectUpdated();
}

int TimeCodeFormatRule::frameMaximum(int aFormat)
{
    switch (aFormat)
    {
    case 0:
        return 0x24;
    case 1:
        return 0x25;
    case 2:
    case 3:
        return 0x29;
    case 4:
    case 5:
        return 0x30;
    default:
        return -1;
    }
}

void TimeCodeFormatRule::onSubjectUpdated()
{
    Parameter& formatParameter = status('F', formatIndex);
    const int format = formatParameter.value().toShort();
    const int maximum = frameMaximum(format);
    if (maximum < 0)
    {
        if (parameter()->id() == ParameterId('F', formatIndex))
        {
            throw VornaException("Invalid time code format of " + std::to_string(format));
        }
        return;
    }
    Parameter& frame = status('F', frameIndex);
    if (frame.value().toShort() <= maximum)
    {
        // The format bounds the frame, whichever of the two brought the change.
        frame.setMaximum(ParameterValue(maximum), &formatParameter);
    }
}
