#pragma once

// Test helpers for the unit models: the two models' figures, a protocol layer
// that records what a table sends, and an off-line unit whose values a test
// may change before or after the table is built, like a unit changed at its
// front panel.

#include "Models/Unit/OfflineUnitValues.h"
#include "Models/Unit/UnitParameterTable.h"
#include "Toolkit/Link/ProtocolDecorator.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Protocol.h"
#include "tests/support/PortProfile.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

struct UnitModel
{
    std::string name;
    bool multiChannel;
    std::uint16_t limit32;
    std::uint16_t limit44;
    std::uint16_t limitOther;
    std::uint16_t maximum;
    std::string deviceType;
    std::string minimumFirmware;

    std::unique_ptr<UnitParameterTable> makeTable(AbstractProtocol* anOwner) const;

    static const UnitModel& kq330();
    static const UnitModel& kq350();
};

std::ostream& operator<<(std::ostream& aStream, const UnitModel& aModel);

// Passes everything on and keeps the ids written and the ids of every list
// request. It can be told to fail the next list request.
class RecordingProtocol : public ProtocolDecorator
{
public:
    explicit RecordingProtocol(AbstractProtocol* aProtocol);

    void setValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aSettleTime) override;
    void getValues(const std::vector<ParameterId>& aRequested, ParameterValueMap& aResult) override;
    ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue,
                                  std::uint32_t aSettleTime) override;

    void clear();
    void failNextRead() { myFailNextRead = true; }
    const std::vector<ParameterId>& writes() const { return myWrites; }
    const std::vector<ParameterId>& reads() const { return myReads; }
    // How many of the ids read are of group aGroup.
    std::size_t readsOfGroup(int aGroup) const;

private:
    std::vector<ParameterId> myWrites;
    std::vector<ParameterId> myReads;
    bool myFailNextRead = false;
};

// An off-line unit of one model under a recording layer, with its table.
class OfflineUnit
{
public:
    explicit OfflineUnit(const UnitModel& aModel);

    // Builds the table on the values as they are now.
    UnitParameterTable& build();
    UnitParameterTable& table() { return *myTable; }

    // The unit's own value, as a unit changed at its front panel would hold it.
    void setUnitValue(int aGroup, int anIndex, const ParameterValue& aValue);
    ParameterValue unitValue(int aGroup, int anIndex);

    ControlParameter& control(int aGroup, int anIndex);
    Parameter& status(int aGroup, int anIndex);
    // The parameter's report line without the tab: "name: value".
    std::string line(const Parameter& aParameter) const;

    const UnitModel& model() const { return *myModel; }
    OfflineUnitValues& values() { return myValues; }
    RecordingProtocol& recorder() { return myRecorder; }

private:
    const UnitModel* myModel;
    OfflineUnitValues myValues;
    Protocol myProtocol;
    RecordingProtocol myRecorder;
    std::unique_ptr<UnitParameterTable> myTable;
};

