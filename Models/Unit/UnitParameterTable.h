#pragma once

#include "Models/ParameterTable.h"
#include "Models/Unit/TrackedParameterList.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class ValueTracker;

// The parameter table of the KQ330 and KQ350 units: the common table plus the
// unit control group 'a', the preset names 'd' (in two collections of 16, so
// that each list answer fits a frame), the local dynamic range preset names
// 'f', the reference-input status group 'b', the identification group 0xF8,
// the local coding-delay parameters 'o', the unit rules and identification
// checks, the value trackers that keep the meters moving while the line
// waits, two more status groups in the poll ring and reports with the unit's
// sections.
//
// Building the table talks to the unit at once. A unit of another model or
// with too old a firmware fails the construction with the check's message.
class UnitParameterTable : public ParameterTable
{
public:
    // The least fixed coding delays for an internal 32 kHz clock, an internal
    // 44.1 kHz clock and every other clock, and the greatest coding delay; the
    // model's device type, its least firmware revision, and whether the table
    // tracks the levels and the time code between polls.
    UnitParameterTable(AbstractProtocol* anOwner, std::uint16_t aSampleRateLimit32,
                       std::uint16_t aSampleRateLimit44, std::uint16_t aSampleRateLimitOther,
                       std::uint16_t aCodingDelayMaximum, const std::string& aDeviceType,
                       const std::string& aMinimumFirmware, bool aTrackValues);
    ~UnitParameterTable() override;

    // Re-reads every control parameter of the unit, the preset names included.
    // Called again from a notification of its own it does nothing, so the
    // rules that a refresh notifies do not start another.
    void refreshControls() override;
    // Searches the common control map, then both preset-name collections;
    // throws VornaException "Parameter not found".
    void attachControlObserver(const ParameterId& anId, Observer* anObserver) override;
    // Five control sections: 'B', 'H', 'E', 'a' and 'd'.
    void writeTextReport(std::ostream& aStream, const std::string& aTitle) override;
    // A section covers the group in the common map and in both preset-name collections.
    void writeControlText(std::ostream& aStream, int aGroup, const std::string& aCaption) override;
    void writeControlHtml(std::ostream& aStream, int aGroup, const std::string& aCaption) override;
    // Both HTML reports of a unit are the sectioned one.
    void writeHtmlReport(std::ostream& aStream, const std::string& aTitle) override;
    void writeSectionedHtmlReport(std::ostream& aStream, const std::string& aTitle) override;

    // A setting changed: the recalled preset no longer holds, unless the
    // change came in with a refresh.
    void onControlEdited();

    std::uint16_t sampleRateLimit32() const { return mySampleRateLimit32; }
    std::uint16_t sampleRateLimit44() const { return mySampleRateLimit44; }
    std::uint16_t sampleRateLimitOther() const { return mySampleRateLimitOther; }
    std::uint16_t codingDelayMaximum() const { return myCodingDelayMaximum; }
    const std::string& deviceType() const { return myDeviceType; }
    const std::string& minimumFirmware() const { return myMinimumFirmware; }
    bool refreshing() const { return myRefreshing; }
    // 'd' 0 to 15, and 'd' 16 to 31.
    ControlCollection& presetNamesLow() { return myPresetNames[0]; }
    ControlCollection& presetNamesHigh() { return myPresetNames[1]; }
    TrackedParameterList& idleCallback() { return myIdleCallback; }

    static constexpr int startupPolls = 6;
    static constexpr std::size_t presetNameCount = 32;
    static constexpr std::uint32_t nameSettleTime = 125;

protected:
    // Construction steps, in the order the constructor takes them.
    void addUnitControlParameters(AbstractProtocol* anOwner);
    void addPresetNameParameters(AbstractProtocol* anOwner);
    void addDynamicRangePresetNames();
    void addUnitStatusParameters(AbstractProtocol* anOwner);
    void addIdentificationParameters(AbstractProtocol* anOwner);
    void addKq330Parameters(AbstractProtocol* anOwner);
    void addKq350Parameters(AbstractProtocol* anOwner);
    void buildCodingDelayParameters();
    void limitDeemphasis();
    void replaceCommonParameters();
    void readUnitGroups(AbstractProtocol* anOwner);
    void installRules();
    void installValueTrackers();
    void startPolling();

private:
    // The unit's own rules, installed by installRules. The data-rate and
    // coding-mode rules bound those two settings against each other.
    void installDataRateRule();
    void installCodingModeRule();
    void installAuxiliaryDataRule();
    void installClockSourceRule();
    void installMultiplexRule();
    void installClockLockRule();
    void installInputFormatRule();
    void installInputSourceRule();
    void installOutputModeRule();
    // A change observer on every parameter of the common control map but the
    // preset recall 'a' 9 and the requested encoder state 'E' 0.
    void attachChangeObservers();
    // Keeps 'a' 12, 'a' 13, 'a' 9 and 'a' 10 out of configuration files.
    void clearRestorableFlags();

    void addTracker(int aGroup, int anIndex, std::unique_ptr<ValueTracker> aTracker);
    // Whether the Device Type that the unit reported names aModel.
    bool reportsModel(const std::string& aModel);
    template <typename Writer>
    void writeGroup(int aGroup, Writer& aWriter);

    std::uint16_t mySampleRateLimit32;
    std::uint16_t mySampleRateLimit44;
    std::uint16_t mySampleRateLimitOther;
    std::uint16_t myCodingDelayMaximum;
    std::string myDeviceType;
    std::string myMinimumFirmware;
    bool myTrackValues;
    bool myRefreshing = false;
    ControlCollection myPresetNames[2];
    std::vector<std::unique_ptr<ValueTracker>> myTrackers;
    // Last, so that it leaves the protocol first when the table goes.
    TrackedParameterList myIdleCallback;
};
