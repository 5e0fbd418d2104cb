#include "Toolkit/Parameter/ConfigurationContents.h"
#include "Toolkit/Parameter/ParameterObserver.h"
#include "Toolkit/Parameter/ParameterSet.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/Toolkit/Parameter/FakeProtocol.h"
#include "tests/Toolkit/Parameter/LimitedStreamBuffer.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
const char* const theInvalidFile = "This is not a valid configuration file for this device";

std::string bytes(std::initializer_list<int> aBytes)
{
    std::string result;
    for (int byte : aBytes)
    {
        result += static_cast<char>(byte);
    }
    return result;
}

// Controls of a unit: 'B' 1 (0..9), 'B' 3 (-32768..32767), 'E' 0 (0..3),
// the not restorable 'H' 0, and the text 'd' 0.
class ConfigurationSet : public ParameterSet
{
public:
    explicit ConfigurationSet(AbstractProtocol* anOwner) : ParameterSet(anOwner)
    {
        myControlParameters.add(ControlParameter(anOwner, ParameterId('B', 1), ParameterValue(0), ParameterValue(9)));
        myControlParameters.add(
            ControlParameter(anOwner, ParameterId('B', 3), ParameterValue::minimum(), ParameterValue::maximum()));
        myControlParameters.add(ControlParameter(anOwner, ParameterId('E', 0), ParameterValue(0), ParameterValue(3)));
        myControlParameters.add(ControlParameter(anOwner, ParameterId('H', 0), ParameterValue(0), ParameterValue(3)))
            .setRestorable(false);
        myControlParameters.add(
            ControlParameter(anOwner, ParameterId('d', 0), ParameterValue::minimum(), ParameterValue::maximum()));
    }

    ControlParameter& control(int aGroup, int anIndex) { return myControlParameters.find(ParameterId(aGroup, anIndex)); }
};

class ConfigurationFileTest : public ::testing::Test
{
protected:
    ConfigurationFileTest() : mySet(&myUnit) {}

    std::string save()
    {
        std::ostringstream stream;
        mySet.saveConfiguration(stream);
        return stream.str();
    }

    std::string restoreMessage(const std::string& aFile)
    {
        std::istringstream stream(aFile);
        try
        {
            mySet.restoreConfiguration(stream);
        }
        catch (const VornaException& e)
        {
            return e.what();
        }
        return "";
    }

    void setUnit(int aGroup, int anIndex, const ParameterValue& aValue)
    {
        myUnit.myValues[ParameterId(aGroup, anIndex)] = aValue;
    }

    // A file of three records from a unit holding 'B' 1 = 5, 'B' 3 = 300, 'd' 0 = "Ab".
    std::string threeRecordFile()
    {
        setUnit('B', 1, ParameterValue(5));
        setUnit('B', 3, ParameterValue(300));
        setUnit('d', 0, ParameterValue(std::string("Ab")));
        setUnit('E', 0, ParameterValue(0));
        mySet.refreshControls();
        mySet.controlCollection().parameters().erase(ParameterId('E', 0));
        const std::string file = save();
        mySet.controlCollection().add(ControlParameter(&myUnit, ParameterId('E', 0), ParameterValue(0), ParameterValue(3)));
        return file;
    }

    FakeProtocol myUnit;
    ConfigurationSet mySet;
};

TEST_F(ConfigurationFileTest, TheWorkedExampleIsByteExact)
{
    ParameterSet set(&myUnit);
    set.controlCollection().add(ControlParameter(&myUnit, ParameterId('B', 1), ParameterValue(0), ParameterValue(9)));
    setUnit('B', 1, ParameterValue(5));
    set.refreshControls();
    std::ostringstream stream;
    set.saveConfiguration(stream);
    EXPECT_EQ(bytes({0x01, 0, 0, 0, 0x42, 0x01, 0x02, 0, 0, 0, 0x00, 0x05, 0x4B, 0, 0, 0}), stream.str());
}

TEST_F(ConfigurationFileTest, RecordsFollowIdOrderWithSignedBytesInTheChecksum)
{
    setUnit('B', 3, ParameterValue(300));
    setUnit('B', 1, ParameterValue(-1));
    setUnit('E', 0, ParameterValue(2));
    setUnit('d', 0, ParameterValue(std::string("\xC8", 1)));
    mySet.refreshControls();
    // count 4; 'B' 1 = FF FF; 'B' 3 = 01 2C; 'E' 0 = 00 02; 'd' 0 = C8 (one byte); 'H' 0 is left out.
    const std::uint32_t checksum = 4 + (0x42 + 1 + 2 - 1 - 1) + (0x42 + 3 + 2 + 1 + 44) + (0x45 + 0 + 2 + 0 + 2) +
                                   (0x64 + 0 + 1 - 56);
    std::string expected = bytes({4, 0, 0, 0, 0x42, 0x01, 2, 0, 0, 0, 0xFF, 0xFF, 0x42, 0x03, 2, 0, 0, 0, 0x01, 0x2C,
                                  0x45, 0x00, 2, 0, 0, 0, 0x00, 0x02, 0x64, 0x00, 1, 0, 0, 0, 0xC8});
    expected += bytes({static_cast<int>(checksum & 0xFF), static_cast<int>((checksum >> 8) & 0xFF), 0, 0});
    EXPECT_EQ(expected, save());
}

TEST_F(ConfigurationFileTest, NoRestorableParameterSavesEightZeroBytesAndTheyRestoreToNothing)
{
    ParameterSet set(&myUnit);
    set.controlCollection().add(ControlParameter(&myUnit, ParameterId('H', 0), ParameterValue(0), ParameterValue(3)))
        .setRestorable(false);
    std::ostringstream out;
    set.saveConfiguration(out);
    EXPECT_EQ(std::string(8, '\0'), out.str());
    EXPECT_EQ("", restoreMessage(std::string(8, '\0')));
    EXPECT_TRUE(myUnit.myWrites.empty());
}

TEST_F(ConfigurationFileTest, SaveThenRestoreOnAnotherDeviceAppliesEveryRecord)
{
    const std::string file = threeRecordFile();
    FakeProtocol otherUnit;
    ConfigurationSet other(&otherUnit);
    std::istringstream stream(file);
    other.restoreConfiguration(stream);
    EXPECT_EQ(ParameterValue(5), other.control('B', 1).value());
    EXPECT_EQ(ParameterValue(300), other.control('B', 3).value());
    EXPECT_EQ(ParameterValue(std::string("Ab")), other.control('d', 0).value());
    EXPECT_EQ((std::vector<ParameterId>{ParameterId('B', 1), ParameterId('B', 3), ParameterId('d', 0)}), otherUnit.myWrites);
}

TEST_F(ConfigurationFileTest, BytesAfterTheChecksumAreNeverRead)
{
    const std::string file = threeRecordFile() + "trailing";
    ConfigurationSet other(&myUnit);
    EXPECT_EQ("", restoreMessage(file));
}

TEST_F(ConfigurationFileTest, EveryTruncationFailsAndChangesNothing)
{
    const std::string file = threeRecordFile();
    myUnit.myWrites.clear();
    for (std::size_t length = 0; length < file.size(); ++length)
    {
        EXPECT_EQ(theInvalidFile, restoreMessage(file.substr(0, length))) << "length " << length;
    }
    EXPECT_TRUE(myUnit.myWrites.empty());
}

TEST_F(ConfigurationFileTest, EveryFlippedByteFailsAndChangesNothing)
{
    const std::string file = threeRecordFile();
    myUnit.myWrites.clear();
    for (std::size_t i = 0; i < file.size(); ++i)
    {
        std::string corrupt = file;
        corrupt[i] = static_cast<char>(corrupt[i] ^ 0x01);
        EXPECT_EQ(theInvalidFile, restoreMessage(corrupt)) << "byte " << i;
    }
    EXPECT_TRUE(myUnit.myWrites.empty());
}

TEST(ConfigurationContents, ReadingErrorsNameWhatIsMissing)
{
    struct Case
    {
        std::string file;
        const char* message;
    };
    const std::vector<Case> cases = {
        {bytes({1, 0, 0}), "Error reading the parameter count."},
        {bytes({1, 0, 0, 0}), "Error reading the checksum."},
        {bytes({1, 0, 0, 0, 0x42}), "Error restoring a parameter id"},
        {bytes({1, 0, 0, 0, 0x42, 1, 2, 0}), "Error restoring a parameter value."},
        {bytes({1, 0, 0, 0, 0x42, 1, 2, 0, 0, 0, 7}), "Error restoring a parameter value."},
        {bytes({1, 0, 0, 0, 0x42, 1, 0, 0, 0, 0, 0x44, 0, 0}), "Error reading the checksum."},
        {bytes({1, 0, 0, 0, 0x42, 1, 0, 0, 0, 0, 0x45, 0, 0, 0}), "The checksum does not match."},
        // More records than the count: the next record is taken for the checksum.
        {bytes({0, 0, 0, 0, 0x42, 1, 0, 0, 0, 0}), "The checksum does not match."},
        // A count far beyond the data: the records end with the data.
        {bytes({0xFF, 0xFF, 0xFF, 0xFF}), "Error reading the checksum."},
        // A length far beyond the data.
        {bytes({1, 0, 0, 0, 0x42, 1, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}), "Error restoring a parameter value."},
    };
    for (const Case& c : cases)
    {
        std::istringstream stream(c.file);
        try
        {
            ConfigurationContents contents(stream);
            ADD_FAILURE() << "no exception for " << c.message;
        }
        catch (const VornaException& e)
        {
            EXPECT_STREQ(c.message, e.what());
        }
    }
}

TEST(ConfigurationContents, ALaterRecordForTheSameIdReplacesTheEarlier)
{
    // Two records for 'B' 1: 3 then 4; both count in the checksum.
    const std::uint32_t checksum = 2 + 2 * (0x42 + 1 + 2) + 3 + 4;
    std::istringstream stream(bytes({2, 0, 0, 0, 0x42, 1, 2, 0, 0, 0, 0, 3, 0x42, 1, 2, 0, 0, 0, 0, 4,
                                     static_cast<int>(checksum), 0, 0, 0}));
    const ConfigurationContents contents(stream);
    ASSERT_EQ(1u, contents.size());
    EXPECT_EQ(ParameterValue(4), contents.at(ParameterId('B', 1)));
}

TEST_F(ConfigurationFileTest, AHostileLengthFailsWithoutHugeAllocation)
{
    std::string file = bytes({1, 0, 0, 0, 0x42, 1, 0xFF, 0xFF, 0xFF, 0xFF});
    file += std::string(20, 'x');
    ASSERT_EQ(30u, file.size());
    EXPECT_EQ(theInvalidFile, restoreMessage(file));
}

TEST_F(ConfigurationFileTest, AnUnknownIdFailsBeforeAnyRecordIsApplied)
{
    // ('B', 1) = 5 comes first in id order, ('a', 0) is no parameter of the set.
    const std::uint32_t checksum = 2 + (0x42 + 1 + 2 + 0 + 5) + (0x61 + 0 + 2 + 0 + 1);
    const std::string file = bytes({2, 0, 0, 0, 0x42, 1, 2, 0, 0, 0, 0, 5, 0x61, 0, 2, 0, 0, 0, 0, 1,
                                    static_cast<int>(checksum & 0xFF), static_cast<int>(checksum >> 8), 0, 0});
    EXPECT_EQ(theInvalidFile, restoreMessage(file));
    EXPECT_EQ(ParameterValue(0), mySet.control('B', 1).value());
    EXPECT_TRUE(myUnit.myWrites.empty());
}

TEST_F(ConfigurationFileTest, ARecordLongerThanTheFileFailsAtOnceInBoundedMemory)
{
    // One record that claims 0xFFFFFFF0 bytes, in a sparse file of 1 GB.
    TemporaryFolder folder;
    const std::string path = folder.write("huge.vnb", bytes({1, 0, 0, 0, 0x42, 1, 0xF0, 0xFF, 0xFF, 0xFF}));
    const off_t gigabyte = off_t{1} << 30;
    ASSERT_EQ(0, ::truncate(path.c_str(), gigabyte));
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    std::ifstream stream(path, std::ios::binary);
    std::string message;
    try
    {
        mySet.restoreConfiguration(stream);
    }
    catch (const VornaException& e)
    {
        message = e.what();
    }
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(theInvalidFile, message);
    // ru_maxrss is in kilobytes: the peak grew by far less than the file.
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024);
    EXPECT_TRUE(myUnit.myWrites.empty());
    // Nothing past the length was read.
    EXPECT_EQ(std::streamoff{10}, static_cast<std::streamoff>(stream.tellg()));
}

namespace
{
// An input that cannot tell its size, like a pipe: one record whose value
// claims aLength bytes, then that many zero bytes and a zero checksum, made as
// they are asked for. Counts what was taken from it, without holding any of it.
class ClaimingStreamBuffer : public std::streambuf
{
public:
    explicit ClaimingStreamBuffer(std::uint32_t aLength)
        : myHeader(bytes({1, 0, 0, 0, 0x42, 1, static_cast<int>(aLength & 0xFF), static_cast<int>((aLength >> 8) & 0xFF),
                          static_cast<int>((aLength >> 16) & 0xFF), static_cast<int>(aLength >> 24)})),
          myLeft(std::uint64_t{aLength} + 4)
    {
        setg(&myHeader[0], &myHeader[0], &myHeader[0] + myHeader.size());
    }

    // Every byte handed out so far, header included.
    std::uint64_t taken() const { return myTaken + static_cast<std::uint64_t>(gptr() - eback()); }

protected:
    int_type underflow() override
    {
        myTaken += static_cast<std::uint64_t>(gptr() - eback());
        if (myLeft == 0)
        {
            setg(myBlock, myBlock, myBlock);
            return traits_type::eof();
        }
        const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(myLeft, sizeof myBlock));
        myLeft -= size;
        setg(myBlock, myBlock, myBlock + size);
        return traits_type::to_int_type(myBlock[0]);
    }

private:
    std::string myHeader;
    std::uint64_t myLeft;
    std::uint64_t myTaken = 0;
    char myBlock[4096] = {};
};

// The message of reading such an input, and how much of it was taken.
std::pair<std::string, std::uint64_t> readClaiming(std::uint32_t aLength)
{
    ClaimingStreamBuffer buffer(aLength);
    std::istream stream(&buffer);
    std::string message;
    try
    {
        ConfigurationContents contents(stream);
    }
    catch (const VornaException& e)
    {
        message = e.what();
    }
    return {message, buffer.taken()};
}
}

TEST(ConfigurationContents, AValueLongerThanAnyParameterHoldsIsRefusedUnread)
{
    const std::uint64_t header = 10;
    const std::uint32_t bound = 64 * 1024;
    EXPECT_EQ(std::make_pair(std::string("Error restoring a parameter value."), header), readClaiming(bound + 1));
    EXPECT_EQ(std::make_pair(std::string("Error restoring a parameter value."), header),
              readClaiming(200 * 1024 * 1024));
    // The longest value is read whole; only the zero checksum is wrong.
    EXPECT_EQ(std::make_pair(std::string("The checksum does not match."), header + bound + 4), readClaiming(bound));
}

TEST(ConfigurationContents, ALengthIsMeasuredAgainstWhatTheFileStillHolds)
{
    // A value of 3 bytes in a file that ends with the checksum: 7 bytes follow the length.
    struct Case
    {
        int claimed;
        const char* message;
    };
    for (const Case& c : {Case{2, "The checksum does not match."}, Case{3, ""}, Case{4, "Error reading the checksum."},
                          Case{7, "Error reading the checksum."}, Case{8, "Error restoring a parameter value."},
                          Case{0xF0, "Error restoring a parameter value."}})
    {
        const std::uint32_t checksum = 1 + 0x42 + 1 + static_cast<std::uint32_t>(c.claimed) + 'a' + 'b' + 'c';
        const std::string file = bytes({1, 0, 0, 0, 0x42, 1, c.claimed, 0, 0, 0, 'a', 'b', 'c',
                                        static_cast<int>(checksum & 0xFF), static_cast<int>(checksum >> 8), 0, 0});
        std::istringstream stream(file);
        std::string message;
        try
        {
            ConfigurationContents contents(stream);
        }
        catch (const VornaException& e)
        {
            message = e.what();
        }
        EXPECT_EQ(c.message, message) << c.claimed;
    }
}

TEST_F(ConfigurationFileTest, NotRestorableRecordsAreIgnoredAndEqualValuesNotWritten)
{
    const std::uint32_t checksum = 2 + (0x42 + 1 + 2 + 0 + 0) + (0x48 + 0 + 2 + 0 + 2);
    const std::string file = bytes({2, 0, 0, 0, 0x42, 1, 2, 0, 0, 0, 0, 0, 0x48, 0, 2, 0, 0, 0, 0, 2,
                                    static_cast<int>(checksum & 0xFF), static_cast<int>(checksum >> 8), 0, 0});
    EXPECT_EQ("", restoreMessage(file));
    EXPECT_TRUE(myUnit.myWrites.empty());
    EXPECT_EQ(ParameterValue(0), mySet.control('H', 0).value());
}

// Raises the maximum of 'B' 1 to 9 once 'E' 0 is 1, as an interlock rule would.
class RaiseLimitRule : public ParameterObserver
{
public:
    RaiseLimitRule(Parameter* aSubject, Parameter* aTarget) : ParameterObserver(aSubject), myTarget(aTarget) {}
    void onNewValue() override
    {
        if (cachedValue().toShort() == 1)
        {
            myTarget->setMaximum(ParameterValue(9), parameter());
        }
    }

private:
    Parameter* myTarget;
};

std::string fileOf(ConfigurationSet& aSet)
{
    std::ostringstream stream;
    aSet.saveConfiguration(stream);
    return stream.str();
}

TEST_F(ConfigurationFileTest, ARecordThatTakesOnlyAfterALaterOneIsRetried)
{
    FakeProtocol sourceUnit;
    ConfigurationSet source(&sourceUnit);
    sourceUnit.myValues[ParameterId('B', 1)] = ParameterValue(7);
    sourceUnit.myValues[ParameterId('E', 0)] = ParameterValue(1);
    source.refreshControls();
    const std::string file = fileOf(source);

    mySet.control('B', 1).setMaximum(ParameterValue(3));
    RaiseLimitRule rule(&mySet.control('E', 0), &mySet.control('B', 1));
    EXPECT_EQ("", restoreMessage(file));
    EXPECT_EQ(ParameterValue(7), mySet.control('B', 1).value());
    EXPECT_EQ(ParameterValue(1), mySet.control('E', 0).value());
}

TEST_F(ConfigurationFileTest, ARecordThatNeverTakesFailsAfterFivePassesWithTheOthersApplied)
{
    FakeProtocol sourceUnit;
    ConfigurationSet source(&sourceUnit);
    sourceUnit.myValues[ParameterId('B', 1)] = ParameterValue(4);
    sourceUnit.myValues[ParameterId('B', 3)] = ParameterValue(300);
    source.refreshControls();
    const std::string file = fileOf(source);

    // The unit refuses every change of 'B' 1.
    class RefusingUnit : public FakeProtocol
    {
    public:
        ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aTime) override
        {
            if (anId == ParameterId('B', 1))
            {
                myWrites.push_back(anId);
                return myValues[anId];
            }
            return FakeProtocol::setAndGetValue(anId, aValue, aTime);
        }
    } unit;
    ConfigurationSet set(&unit);
    std::istringstream stream(file);
    try
    {
        set.restoreConfiguration(stream);
        FAIL() << "no exception";
    }
    catch (const VornaException& e)
    {
        EXPECT_STREQ(theInvalidFile, e.what());
    }
    EXPECT_EQ(ParameterValue(300), set.control('B', 3).value());
    EXPECT_EQ(5, std::count(unit.myWrites.begin(), unit.myWrites.end(), ParameterId('B', 1)));
}

TEST_F(ConfigurationFileTest, ARecordTakesOnlyWhenTheBytesMatchNotJustTheInteger)
{
    // The unit keeps every value as two bytes: the one-byte record 05 is written
    // but reads back as 00 05, which is not the record, in every pass.
    class TwoByteUnit : public FakeProtocol
    {
    public:
        ParameterValue setAndGetValue(const ParameterId& anId, const ParameterValue& aValue, std::uint32_t aTime) override
        {
            return FakeProtocol::setAndGetValue(anId, ParameterValue(aValue.toShort()), aTime);
        }
    } unit;
    ConfigurationSet set(&unit);
    const std::uint32_t checksum = 1 + (0x42 + 3 + 1 + 5);
    std::istringstream stream(bytes({1, 0, 0, 0, 0x42, 3, 1, 0, 0, 0, 0x05, static_cast<int>(checksum), 0, 0, 0}));
    try
    {
        set.restoreConfiguration(stream);
        FAIL() << "no exception";
    }
    catch (const VornaException& e)
    {
        EXPECT_STREQ(theInvalidFile, e.what());
    }
    EXPECT_EQ(ParameterValue(5), set.control('B', 3).value());
    EXPECT_EQ(5u, unit.myWrites.size());
}

TEST_F(ConfigurationFileTest, AProtocolFailureWhileApplyingBecomesTheInvalidFileMessage)
{
    const std::string file = threeRecordFile();
    FakeProtocol otherUnit;
    otherUnit.myFailWrites = true;
    ConfigurationSet other(&otherUnit);
    std::istringstream stream(file);
    try
    {
        other.restoreConfiguration(stream);
        FAIL() << "no exception";
    }
    catch (const ProtocolException&)
    {
        FAIL() << "a protocol error must not pass unchanged";
    }
    catch (const VornaException& e)
    {
        EXPECT_STREQ(theInvalidFile, e.what());
    }
}

TEST_F(ConfigurationFileTest, ASaveThatFailsAtAnyByteThrows)
{
    threeRecordFile();
    const std::string file = save();
    for (std::size_t limit = 0; limit < file.size(); ++limit)
    {
        LimitedStreamBuffer buffer(limit);
        std::ostream stream(&buffer);
        EXPECT_THROW(mySet.saveConfiguration(stream), VornaException) << "limit " << limit;
    }
    LimitedStreamBuffer buffer(file.size());
    std::ostream stream(&buffer);
    mySet.saveConfiguration(stream);
    EXPECT_EQ(file, buffer.written());
}

TEST_F(ConfigurationFileTest, ASaveFailingOnCountOrChecksumSaysSo)
{
    ParameterSet empty(&myUnit);
    struct Case
    {
        std::size_t limit;
        const char* message;
    };
    for (const Case& c : {Case{2, "Error saving the parameter count."}, Case{6, "Error saving the checksum."}})
    {
        LimitedStreamBuffer buffer(c.limit);
        std::ostream stream(&buffer);
        try
        {
            empty.saveConfiguration(stream);
            ADD_FAILURE() << "no exception for " << c.message;
        }
        catch (const VornaException& e)
        {
            EXPECT_STREQ(c.message, e.what());
        }
    }
}

TEST_F(ConfigurationFileTest, ARecordWriteFailureKeepsItsOwnMessage)
{
    threeRecordFile();
    struct Case
    {
        std::size_t limit;
        const char* message;
    };
    for (const Case& c : {Case{5, "Error saving a parameter id"}, Case{7, "Error saving a parameter value."},
                          Case{11, "Error saving a parameter value."}})
    {
        LimitedStreamBuffer buffer(c.limit);
        std::ostream stream(&buffer);
        try
        {
            mySet.saveConfiguration(stream);
            ADD_FAILURE() << "no exception for limit " << c.limit;
        }
        catch (const VornaException& e)
        {
            EXPECT_STREQ(c.message, e.what()) << "limit " << c.limit;
        }
    }
}
}
