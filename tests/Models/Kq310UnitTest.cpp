#include "Models/Kq310ParameterTable.h"
#include "Models/OfflineKq310Values.h"
#include "Toolkit/Parameter/Protocol.h"
#include "tests/emulator/models/Kq310Unit.h"

#include <gtest/gtest.h>

#include <algorithm>

using Emulator::Kq310Unit;

// The emulator's KQ310 must answer every id that the table reads, with the
// values that the off-line KQ310 starts from, and must hold no write group
// (it takes a frame of a group it holds as a request).
TEST(Kq310UnitTest, FreshUnitMatchesTheOfflineValues)
{
    const bool multiChannel[] = {true, false};
    for (bool multi : multiChannel)
    {
        const Emulator::ParameterMap unit = Kq310Unit::freshValues(multi);
        OfflineKq310Values values(multi ? 1 : 0);
        Protocol protocol(&values);
        Kq310ParameterTable table(&protocol);
        auto check = [&](const ParameterId& anId, AbstractProtocol* anOwner) {
            if (anOwner != &protocol)
            {
                return;
            }
            const Emulator::ParameterKey key(static_cast<uint8_t>(anId.group()), static_cast<uint8_t>(anId.index()));
            ASSERT_EQ(1u, unit.count(key)) << anId;
            const ParameterValue offline = values.getValue(anId);
            EXPECT_EQ(Emulator::Bytes(offline.begin(), offline.end()), unit.at(key)) << anId << " " << multi;
        };
        for (const auto& entry : table.controlCollection().parameters())
        {
            check(entry.first, entry.second.owner());
        }
        for (const auto& entry : table.statusCollection().parameters())
        {
            check(entry.first, entry.second.owner());
        }
    }
}

TEST(Kq310UnitTest, HoldsNoWriteGroup)
{
    const std::vector<uint8_t> writeGroups = Kq310Unit::writeGroups();
    EXPECT_EQ(std::vector<uint8_t>({'A', 'D', 'G'}), writeGroups);
    for (const auto& entry : Kq310Unit::freshValues())
    {
        EXPECT_EQ(writeGroups.end(), std::find(writeGroups.begin(), writeGroups.end(), entry.first.first));
    }
}
