#include "Models/TableDevice.h"

#include "Models/ParameterTable.h"

void TableDevice::copyControlValue(const ParameterId& aTarget, const ParameterId& aSource)
{
    parameterTable().copyControlValue(aTarget, aSource);
}

void TableDevice::copyStatusValue(const ParameterId& aTarget, const ParameterId& aSource)
{
    parameterTable().copyStatusValue(aTarget, aSource);
}

void TableDevice::attachControlObserver(const ParameterId& anId, Observer* anObserver)
{
    parameterTable().attachControlObserver(anId, anObserver);
}

void TableDevice::attachStatusObserver(const ParameterId& anId, Observer* anObserver)
{
    parameterTable().attachStatusObserver(anId, anObserver);
}

void TableDevice::pollNext()
{
    parameterTable().dispatchQueued();
}

void TableDevice::refresh()
{
    parameterTable().refreshControls();
}

void TableDevice::restoreConfiguration(std::istream& aStream)
{
    parameterTable().restoreConfiguration(aStream);
}

void TableDevice::saveConfiguration(std::ostream& aStream)
{
    parameterTable().saveConfiguration(aStream);
}

void TableDevice::writeTextReport(std::ostream& aStream, const std::string& aTitle)
{
    parameterTable().writeTextReport(aStream, aTitle);
}

void TableDevice::writeHtmlReport(std::ostream& aStream, const std::string& aTitle)
{
    parameterTable().writeSectionedHtmlReport(aStream, aTitle);
}
