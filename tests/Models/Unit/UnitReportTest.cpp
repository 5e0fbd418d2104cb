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
const char* const theKq330Report = R"(Unit 7


CONFIGURATION CONTROL
	Data Rate: 448 kbps
	Bit Stream Mode: Complete Main
	Audio Coding Mode: 2/0: Left, Right
	Low Frequency Effects Channel: Off
	Dialog Normalization: -31 dBFS
	Dialog Normalization Two: -31 dBFS
	Center Mix Level: -3 dB
	Surround Mix Level: -3 dB
	Vorna Surround Mode: Not Indicated
	Audio Production Info Exists: No
	Mix Level: 80 dB SPL
	Room Type: Not Indicated
	Audio Production Info Two Exists: No
	Mix Level Two: 80 dB SPL
	Room Type Two: Not Indicated
	Copyright Bit: Not Indicated As Protected
	Original Bit Stream: Original
	Dynamic Range Preset: Preset 1, Film: Standard
	RF Pre-emphasis Filter: On
	DC Highpass Filter: On
	Bandwidth Lowpass Filter: On
	LFE Lowpass Filter: Off
	Surround Phase Shift Enable: On
	Surround Attenuation Enable: Off
	Digital Deemphasis Enable: Auto

INPUT/OUTPUT CONTROL
	Output Mode: Professional 32-bit
	Output Time Code: Included
	Output Stream Number: 0
	Audio Bit: Non-audio data

PROCESSING STATE CONTROL
	Requested Encoder State: Start
	Start Time Code Hour: 0
	Start Time Code Minute: 0
	Start Time Code Second: 0
	Start Time Code Frame: 0
	Start Time Code Sample: 0
	Stop Time Code Hour: 0
	Stop Time Code Minute: 0
	Stop Time Code Second: 0
	Stop Time Code Frame: 0

KQ330/KQ350 CONTROL
	Input Source: Digital
	Clock Source: Digital Input
	Input Format: PCM
	Multiplex Mode: Disabled
	Coding Delay: 200
	Auxiliary Data Input: Disabled
	Time Code Source: Longitudinal Time Code (LTC)
	Bypass Mode: Disabled
	Test Tone Mode: Disabled
	Unit Name: KQ330
	Recall Preset Pending: None

PRESET NAMES
	Preset 1 Name: Preset 1
	Preset 2 Name: Preset 2
	Preset 3 Name: Preset 3
	Preset 4 Name: Preset 4
	Preset 5 Name: Preset 5
	Preset 6 Name: Preset 6
	Preset 7 Name: Preset 7
	Preset 8 Name: Preset 8
	Preset 9 Name: Preset 9
	Preset 10 Name: Preset 10
	Preset 11 Name: Preset 11
	Preset 12 Name: Preset 12
	Preset 13 Name: Preset 13
	Preset 14 Name: Preset 14
	Preset 15 Name: Preset 15
	Preset 16 Name: Preset 16
	Preset 17 Name: Preset 17
	Preset 18 Name: Preset 18
	Preset 19 Name: Preset 19
	Preset 20 Name: Preset 20
	Preset 21 Name: Preset 21
	Preset 22 Name: Preset 22
	Preset 23 Name: Preset 23
	Preset 24 Name: Preset 24
	Preset 25 Name: Preset 25
	Preset 26 Name: Preset 26
	Preset 27 Name: Preset 27
	Preset 28 Name: Preset 28
	Preset 29 Name: STEREO MUSIC
	Preset 30 Name: STEREO FILM
	Preset 31 Name: SRND MUSIC
	Preset 32 Name: SRND FILM
)";

using Row = std::pair<std::string, std::string>;

struct Section
{
    std::string caption;
    std::vector<Row> rows;
};

// The KQ350's sections: the KQ330's but for the multi-channel coding rows,
// the channel-pair row in place of the input source, its coding delay and its name.
std::vector<Section> kq350Sections()
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
          {"Audio Coding Mode", "3/2: Left, Center, Right, Left Surround, Right Surround"},
          {"Low Frequency Effects Channel", "On"},
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
         {{"Bit Stream Mode", "Mode 1: L/R,  Ls/Rs, C/LFE"},
          {"Clock Source", "Digital Input"},
          {"Input Format", "PCM"},
          {"Multiplex Mode", "Disabled"},
          {"Coding Delay", "450"},
          {"Auxiliary Data Input", "Disabled"},
          {"Time Code Source", "Longitudinal Time Code (LTC)"},
          {"Bypass Mode", "Disabled"},
          {"Test Tone Mode", "Disabled"},
          {"Unit Name", "KQ350"},
          {"Recall Preset Pending", "None"}}},
        {"PRESET NAMES", presetNames},
    };
}
}

TEST(UnitReportTest, TextReportHasFiveControlSections)
{
    Kq330OfflineDevice device;
    std::ostringstream report;
    device.writeTextReport(report, "Unit 7");
    EXPECT_EQ(theKq330Report, report.str());
}

TEST(UnitReportTest, TextReportOfTheKq350)
{
    Kq350OfflineDevice device;
    std::string expected = "Unit 9\n\n";
    for (const Section& section : kq350Sections())
    {
        expected += "\n" + section.caption + "\n";
        for (const Row& row : section.rows)
        {
            expected += "\t" + row.first + ": " + row.second + "\n";
        }
    }
    std::ostringstream report;
    device.writeTextReport(report, "Unit 9");
    EXPECT_EQ(expected, report.str());
}

TEST(UnitReportTest, HtmlReportHasTheReferencesThenFiveTables)
{
    Kq350OfflineDevice device;
    std::ostringstream references;
    device.parameterTable().writeReferences(references);
    std::string expected = "<HTML><HEAD><TITLE>Unit 9</TITLE> </HEAD> <BODY> \n<H1>Unit 9</H1>\n" + references.str();
    for (const Section& section : kq350Sections())
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
