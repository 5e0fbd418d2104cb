#include "Models/TableDevice.h"

#include "Models/ParameterTable.h"
#include "Toolkit/Parameter/ControlCollection.h"
#include "Toolkit/Parameter/VornaException.h"

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
    const ParameterValueMap records = ControlCollection::readConfiguration(aStream);
    // The same records, passes and rules on the twin tell whether the unit
    // would take the file; only then does the unit see the first write.
    std::unique_ptr<TableDevice> rehearsal;
    try
    {
        rehearsal = twin();
    }
    catch (const VornaException&)
    {
        // A restore fails with one message, whatever failed.
        throw VornaException(ControlCollection::invalidFileMessage);
    }
    rehearsal->parameterTable().restoreConfiguration(records);
    parameterTable().restoreConfiguration(records);
}

std::unique_ptr<TableDevice> TableDevice::twin()
{
    ParameterTable& table = parameterTable();
    ParameterValueMap unitValues;
    for (const auto& entry : table.statusCollection().parameters())
    {
        if (entry.second.owner() == table.owner())
        {
            unitValues[entry.first] = entry.second.value();
        }
    }
    for (const auto& entry : table.controlCollection().parameters())
    {
        if (entry.second.owner() == table.owner())
        {
            unitValues[entry.first] = entry.second.value();
        }
    }
    std::unique_ptr<TableDevice> twin = makeTwin(unitValues);
    ControlCollection& twinControls = twin->parameterTable().controlCollection();
    for (const auto& entry : table.controlCollection().parameters())
    {
        if (entry.second.owner() == table.localProtocol())
        {
            twinControls.find(entry.first).setValue(entry.second.value());
        }
    }
    return twin;
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
