#include "Models/Kq310OfflineDevice.h"
#include "Models/ParameterTable.h"
#include "Toolkit/Parameter/ControlParameter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Line = std::pair<const char*, const char*>;

// A fresh off-line KQ310, section by section: the named rows of 'B', 'H' and
// 'E' in index order, with the texts of their off-line values.
const std::vector<Line> theConfiguration = {
    {"Sample Rate", "Auto"},
    {"Data Rate", "448 kbps"},
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
    {"Digital Deemphasis Enable", "Applied"},
};
const std::vector<Line> theInputOutput = {
    {"Left Input Assign", "Use input number one"},
    {"Center Input Assign", "Use input number five"},
    {"Right Input Assign", "Use input number two"},
    {"Left Surround Input Assign", "Use input number three"},
    {"Right Surround Input Assign", "Use input number four"},
    {"LFE Input Assign", "Use input number six"},
    {"Output Mode", "Professional 32-bit"},
    {"Output Time Code", "Included"},
    {"Output Stream Number", "0"},
    {"Audio Bit", "Non-audio data"},
    {"Record File Format", "Normal, including time code"},
    {"Playback Clock Source", "internal synchronization"},
};
const std::vector<Line> theProcessingState = {
    {"Requested Encoder State", "Start"},
    {"Record Play Enable", "None"},
    {"Start Time Code Hour", "0"},
    {"Start Time Code Minute", "0"},
    {"Start Time Code Second", "0"},
    {"Start Time Code Frame", "0"},
    {"Start Time Code Sample", "0"},
    {"Stop Time Code Hour", "0"},
    {"Stop Time Code Minute", "0"},
    {"Stop Time Code Second", "0"},
    {"Stop Time Code Frame", "0"},
};

std::string textSection(const std::string& aCaption, const std::vector<Line>& someLines)
{
    std::string text = "\n" + aCaption + "\n";
    for (const Line& line : someLines)
    {
        text += std::string("\t") + line.first + ": " + line.second + "\n";
    }
    return text;
}

std::string htmlSection(const std::string& aCaption, const std::vector<Line>& someLines)
{
    std::string html = "<BR><CAPTION><FONT SIZE=+1>" + aCaption + " </FONT></CAPTION>\n<TABLE BORDER COLS=2>\n";
    for (const Line& line : someLines)
    {
        html += std::string("<TR><TD>") + line.first + "</TD><TD>" + line.second + "</TD></TR>\n";
    }
    return html + "</TABLE>\n";
}
}

TEST(ReportTest, TextReportOfAFreshOfflineKq310)
{
    Kq310OfflineDevice device;
    std::ostringstream report;
    device.writeTextReport(report, "Studio A");
    EXPECT_EQ("Studio A\n\n" + textSection("CONFIGURATION CONTROL", theConfiguration) +
                  textSection("INPUT/OUTPUT CONTROL", theInputOutput) +
                  textSection("PROCESSING STATE CONTROL", theProcessingState),
              report.str());
}

TEST(ReportTest, HtmlReportOfAFreshOfflineKq310)
{
    Kq310OfflineDevice device;
    std::ostringstream report;
    device.writeHtmlReport(report, "Studio A");
    const std::string references =
        "<H2>References</H2><UL>\n"
        "<LI><A HREF=\"http://www.vorna.example/documents/encoder-remote-control.pdf\">"
        "Encoder Remote Control Reference</A></LI>\n"
        "<LI><A HREF=\"http://www.vorna.example/documents/encoder-parameters.pdf\">Encoder Parameter Guide</A></LI>\n"
        "<LI><A HREF=\"http://www.vorna.example/\">Vorna Home Page</A></LI>\n"
        "</UL>\n";
    EXPECT_EQ("<HTML><HEAD><TITLE>Studio A</TITLE> </HEAD> <BODY> \n<H1>Studio A</H1>\n" + references +
                  htmlSection("CONFIGURATION CONTROL", theConfiguration) +
                  htmlSection("INPUT/OUTPUT CONTROL", theInputOutput) +
                  htmlSection("PROCESSING STATE CONTROL", theProcessingState) + "</BODY></HTML>\n",
              report.str());
}

TEST(ReportTest, ReportsFollowTheValuesHeld)
{
    Kq310OfflineDevice device;
    ControlCollection& controls = device.parameterTable().controlCollection();
    controls.find(ParameterId('B', 5)).setValue(ParameterValue(27));
    controls.find(ParameterId('E', 2)).setValue(ParameterValue(0x23));
    std::ostringstream report;
    device.writeTextReport(report, "T");
    EXPECT_NE(std::string::npos, report.str().find("\tDialog Normalization: -27 dBFS\n"));
    EXPECT_NE(std::string::npos, report.str().find("\tStart Time Code Hour: 23\n"));
}
