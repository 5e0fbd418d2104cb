#include "UnitFixtures.h"

#include "Models/Unit/Kq330ParameterTable.h"
#include "Models/Unit/Kq350ParameterTable.h"
#include "Platform/ProfileStore.h"
#include "Platform/SerialLine.h"
#include "Toolkit/Parameter/ProtocolException.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>

const UnitModel& UnitModel::kq330()
{
    static const UnitModel theModel = {"Kq330", false, 104, 76, 70, 200, "KQ330", "1.03"};
    return theModel;
}

const UnitModel& UnitModel::kq350()
{
    static const UnitModel theModel = {"Kq350", true, 268, 195, 179, 450, "KQ350", "1.11"};
    return theModel;
}

std::unique_ptr<UnitParameterTable> UnitModel::makeTable(AbstractProtocol* anOwner) const
{
    if (deviceType == "KQ330")
    {
        return std::make_unique<Kq330ParameterTable>(anOwner);
    }
    return std::make_unique<Kq350ParameterTable>(anOwner);
}

std::ostream& operator<<(std::ostream& aStream, const UnitModel& aModel)
{
    return aStream << aModel.name;
}

RecordingProtocol::RecordingProtocol(AbstractProtocol* aProtocol)
    : ProtocolDecorator(aProtocol)
{
}

void RecordingProtocol::setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime)
{
    myWrites.push_back(anId);
    ProtocolDecorator::setValue(anId, aValue, aSettleTime);
}

void RecordingProtocol::getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult)
{
    if (myFailNextRead)
    {
        myFailNextRead = false;
        throw ProtocolException("There was no response to a poll.");
    }
    myReads.insert(myReads.end(), aRequested.begin(), aRequested.end());
    ProtocolDecorator::getValues(aRequested, aResult);
}

ParameterValue RecordingProtocol::setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                                 std::uint32_t aSettleTime)
{
    myWrites.push_back(anId);
    return ProtocolDecorator::setAndGetValue(anId, aValue, aSettleTime);
}

void RecordingProtocol::clear()
{
    myWrites.clear();
    myReads.clear();
}

std::size_t RecordingProtocol::readsOfGroup(int aGroup) const
{
    const signed char group = ParameterId(aGroup, 0).group();
    std::size_t count = 0;
    for (const ParameterId& id : myReads)
    {
        count += id.group() == group ? 1 : 0;
    }
    return count;
}

OfflineUnit::OfflineUnit(const UnitModel& aModel)
    : myModel(&aModel),
      myValues(aModel.multiChannel, static_cast<std::int16_t>(aModel.maximum), aModel.deviceType),
      myProtocol(&myValues), myRecorder(&myProtocol)
{
}

UnitParameterTable& OfflineUnit::build()
{
    myTable = myModel->makeTable(&myRecorder);
    return *myTable;
}

void OfflineUnit::setUnitValue(int aGroup, int anIndex, const ParameterValue& aValue)
{
    myValues.values()[ParameterId(aGroup, anIndex)] = aValue;
}

ParameterValue OfflineUnit::unitValue(int aGroup, int anIndex)
{
    return myValues.values()[ParameterId(aGroup, anIndex)];
}

ControlParameter& OfflineUnit::control(int aGroup, int anIndex)
{
    return myTable->controlCollection().find(ParameterId(aGroup, anIndex));
}

Parameter& OfflineUnit::status(int aGroup, int anIndex)
{
    return myTable->statusCollection().find(ParameterId(aGroup, anIndex));
}

std::string OfflineUnit::line(const Parameter& aParameter) const
{
    std::ostringstream text;
    writeTextLine(text, aParameter);
    return text.str();
}

