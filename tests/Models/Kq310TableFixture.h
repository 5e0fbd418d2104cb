#pragma once

#include "RecordingKq310Values.h"

#include "Models/Kq310ParameterTable.h"
#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Protocol.h"

#include <gtest/gtest.h>

#include <memory>

// A KQ310 table over the recording off-line values, built by SetUp.
class Kq310TableFixture : public ::testing::Test
{
protected:
    Kq310TableFixture()
        : myProtocol(&myValues)
    {
    }

    void SetUp() override { build(); }

    void build() { myTable = std::make_unique<Kq310ParameterTable>(&myProtocol); }

    ControlParameter& control(int aGroup, int anIndex)
    {
        return myTable->controlCollection().find(ParameterId(aGroup, anIndex));
    }

    Parameter& status(int aGroup, int anIndex) { return myTable->statusCollection().find(ParameterId(aGroup, anIndex)); }

    void request(int aGroup, int anIndex, int aValue) { control(aGroup, anIndex).setValue(ParameterValue(aValue)); }

    // The unit changes a status value, and the next poll of its group brings it.
    void report(int aGroup, int anIndex, int aValue)
    {
        myValues.hold(aGroup, anIndex, aValue);
        myTable->statusCollection().refresh(&myProtocol, aGroup);
    }

    int valueOf(const Parameter& aParameter) const { return aParameter.value().toShort(); }
    int minimumOf(const Parameter& aParameter) const { return aParameter.minimum().toShort(); }
    int maximumOf(const Parameter& aParameter) const { return aParameter.maximum().toShort(); }

    RecordingKq310Values myValues;
    Protocol myProtocol;
    std::unique_ptr<Kq310ParameterTable> myTable;
};
