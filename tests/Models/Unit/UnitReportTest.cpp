// The unit reports of fresh off-line devices, byte for byte. The expected
// lines are the rows of each group in id order, with the names and value
// texts of their definitions and the off-line values; rows without a name,
// the replaced common rows and every status row are left out.

#include "UnitFixtures.h"

#include "Models/Unit/Kq330OfflineDevice.h"
#include "Models/Unit/Kq350OfflineDevice.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Row = std::pair<std::string, std::string>;

struct Section
{
    std::string caption;
    std::vector<Row> rows;
};

// Where the fresh off-line models' reports differ.
struct ModelRows
{
    const char* audioCodingMode;
    const char* lowFrequencyEffects;
    Row firstUnitRow; // the KQ350's channel-pair row in place of the input source
    const char* codingDelay;
    const char* unitName;
};

const ModelRows theKq330 = {"2/0: Left, Right", "Off", {"Input Source", "Digital"}, "200", "KQ330"};
const ModelRows theKq350 = {"3/2: Left, Center, Right, Left Surround, Right Surround", "On",
                            {"Bit Stream Mode", "Mode 1: L/R,  Ls/Rs, C/LFE"}, "450", "KQ350"};

// The five control sections of a fresh off-line unit of the model.
std::vector<Section> unitSections(const ModelRows& aModel)
{
    std::vector<Row> presetNames;
    for (int preset = 1; preset <= 28; ++preset)
    {
        presetNames.push_back({"Preset " + std::to_string(preset) + " Name", "Preset " + std::to_string(preset)});
    }
    presetNames.push_back({"Preset 29 Name", "STEREO MUSIC"});
    presetNames.push_back({"Preset 30 Name", "STEREO FILM"});
    presetNames.push_back({"Preset 31 Name", "SRND MUSIC"});
    presetNames.push_back({"Preset 32 Name", "SRND FILM"});
    return {
        {"CONFIGURATION CONTROL",
         {{"Data Rate", "448 kbps"},
          {"Bit Stream Mode", "Complete Main"},
          {"Audio Coding Mode", aModel.audioCodingMode},
          {"Low Frequency Effects Channel", aModel.lowFrequencyEffects},
          {"Dialog Normalization", "-31 dBFS"},
          {"Dialog Normalization Two", "-31 dBFS"},
          {"Center Mix Level", "-3 dB"},
          {"Surround Mix Level", "-3 dB"},
          {"Vorna Surround Mode", "Not Indicated"},
          {"Audio Production Info Exists", "No"},
          {"Mix Level", "80 dB SPL"},
          {"Room Type", "Not Indicated"},
          {"Audio Production Info Two Exists", "No"},
          {"Mix Level Two", "80 dB SPL"},
          {"Room Type Two", "Not Indicated"},
          {"Copyright Bit", "Not Indicated As Protected"},
          {"Original Bit Stream", "Original"},
          {"Dynamic Range Preset", "Preset 1, Film: Standard"},
          {"RF Pre-emphasis Filter", "On"},
          {"DC Highpass Filter", "On"},
          {"Bandwidth Lowpass Filter", "On"},
          {"LFE Lowpass Filter", "Off"},
          {"Surround Phase Shift Enable", "On"},
          {"Surround Attenuation Enable", "Off"},
          {"Digital Deemphasis Enable", "Auto"}}},
        {"INPUT/OUTPUT CONTROL",
         {{"Output Mode", "Professional 32-bit"},
          {"Output Time Code", "Included"},
          {"Output Stream Number", "0"},
          {"Audio Bit", "Non-audio data"}}},
        {"PROCESSING STATE CONTROL",
         {{"Requested Encoder State", "Start"},
          {"Start Time Code Hour", "0"},
          {"Start Time Code Minute", "0"},
          {"Start Time Code Second", "0"},
          {"Start Time Code Frame", "0"},
          {"Start Time Code Sample", "0"},
          {"Stop Time Code Hour", "0"},
          {"Stop Time Code Minute", "0"},
          {"Stop Time Code Second", "0"},
          {"Stop Time Code Frame", "0"}}},
        {"KQ330/KQ350 CONTROL",
         {aModel.firstUnitRow,
          {"Clock Source", "Digital Input"},
          {"Input Format", "PCM"},
          {"Multiplex Mode", "Disabled"},
          {"Coding Delay", aModel.codingDelay},
          {"Auxiliary Data Input", "Disabled"},
          {"Time Code Source", "Longitudinal Time Code (LTC)"},
          {"Bypass Mode", "Disabled"},
          {"Test Tone Mode", "Disabled"},
          {"Unit Name", aModel.unitName},
          {"Recall Preset Pending", "None"}}},
        {"PRESET NAMES", presetNames},
    };
}

std::string textReport(const std::string& aTitle, const std::vector<Section>& someSections)
{
    std::string text = aTitle + "\n\n";
    for (const Section& section : someSections)
    {
        text += "\n" + section.caption + "\n";
        for (const Row& row : section.rows)
        {
            text += "\t" + row.first + ": " + row.second + "\n";
        }
    }
    return text;
}
}

TEST(UnitReportTest, TextReportHasFiveControlSections)
{
    Kq330OfflineDevice device;
    std::ostringstream report;
    device.writeTextReport(report, "Unit 7");
    EXPECT_EQ(textReport("Unit 7", unitSections(theKq330)), report.str());
}

TEST(UnitReportTest, TextReportOfTheKq350)
{
    Kq350OfflineDevice device;
    std::ostringstream report;
    device.writeTextReport(report, "Unit 9");
    EXPECT_EQ(textReport("Unit 9", unitSections(theKq350)), report.str());
}

TEST(UnitReportTest, HtmlReportHasTheReferencesThenFiveTables)
{
    Kq350OfflineDevice device;
    std::ostringstream references;
    device.parameterTable().writeReferences(references);
    std::string expected = "<HTML><HEAD><TITLE>Unit 9</TITLE> </HEAD> <BODY> \n<H1>Unit 9</H1>\n" + references.str();
    for (const Section& section : unitSections(theKq350))
    {
        expected += "<BR><CAPTION><FONT SIZE=+1>" + section.caption + " </FONT></CAPTION>\n<TABLE BORDER COLS=2>\n";
        for (const Row& row : section.rows)
        {
            expected += "<TR><TD>" + row.first + "</TD><TD>" + row.second + "</TD></TR>\n";
        }
        expected += "</TABLE>\n";
    }
    expected += "</BODY></HTML>\n";
    std::ostringstream report;
    device.writeHtmlReport(report, "Unit 9");
    EXPECT_EQ(expected, report.str());
    std::ostringstream same;
    device.parameterTable().writeHtmlReport(same, "Unit 9");
    EXPECT_EQ(expected, same.str()) << "both HTML reports of a unit are the sectioned one";
}

TEST(UnitReportTest, EmptyTitleAndChangedNames)
{
    OfflineUnit unit(UnitModel::kq330());
    UnitParameterTable& table = unit.build();
    table.presetNamesHigh().find(ParameterId('d', 31)).setValue(ParameterValue(std::string("LATE NIGHT")));
    std::ostringstream report;
    table.writeTextReport(report, "");
    const std::string text = report.str();
    EXPECT_EQ(0u, text.find("\n\n\nCONFIGURATION CONTROL\n"));
    EXPECT_NE(std::string::npos, text.find("\tPreset 32 Name: LATE NIGHT\n"));
    EXPECT_EQ(std::string::npos, text.find("Device Type")) << "no status rows";
    EXPECT_EQ(std::string::npos, text.find("Dyn Range")) << "group 'f' has no section";

    // A section of a group without control parameters is its heading alone.
    std::ostringstream empty;
    table.writeControlText(empty, 'Z', "NOTHING");
    EXPECT_EQ("\nNOTHING\n", empty.str());
    std::ostringstream emptyHtml;
    table.writeControlHtml(emptyHtml, 'Z', "NOTHING");
    EXPECT_EQ("<BR><CAPTION><FONT SIZE=+1>NOTHING </FONT></CAPTION>\n<TABLE BORDER COLS=2>\n</TABLE>\n",
              emptyHtml.str());
}

TEST(UnitReportTest, FailedStreamEndsTheReportWithItsError)
{
    Kq330OfflineDevice device;
    std::ostringstream broken;
    broken.setstate(std::ios::failbit);
    try
    {
        device.writeTextReport(broken, "Unit");
        FAIL() << "no error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("Error formatting a parameter as text.", anError.what());
    }
    try
    {
        device.writeHtmlReport(broken, "Unit");
        FAIL() << "no error";
    }
    catch (const VornaException& anError)
    {
        EXPECT_STREQ("Error formatting a parameter as html.", anError.what());
    }
}
