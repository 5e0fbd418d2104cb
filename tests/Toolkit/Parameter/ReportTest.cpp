#include "Toolkit/Parameter/EnumeratedDefinition.h"
#include "Toolkit/Parameter/HtmlReport.h"
#include "Toolkit/Parameter/NumericDefinition.h"
#include "Toolkit/Parameter/ParameterSet.h"
#include "Toolkit/Parameter/TextDefinition.h"
#include "Toolkit/Parameter/VornaException.h"
#include "tests/Toolkit/Parameter/FakeProtocol.h"
#include "tests/Toolkit/Parameter/LimitedStreamBuffer.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// A definition whose value text cannot be written: its parameter is left out.
class FailingDefinition : public ParameterDefinition
{
public:
    FailingDefinition() : ParameterDefinition("Broken") {}
    bool formatValue(std::ostream& aStream, const ParameterValue&) const override
    {
        aStream.setstate(std::ios::failbit);
        return false;
    }
};

// Controls 'B' 0 "Data Rate" (enumerated), 'B' 1 "Name" (text), 'B' 2 without
// a text (empty name and value), 'B' 5 broken, 'H' 1 numeric, 'O' 0 without a
// definition; status 0xF8 1 without a definition, 'I' 0 numeric.
class ReportSet : public ParameterSet
{
public:
    ReportSet() : ParameterSet(nullptr), myRate("Data Rate"), myName("Name"), myEmpty(""), myLevel("Level")
    {
        myRate[ParameterValue(3)] = "384 kbps";
        addControl('B', 0, &myRate, ParameterValue(3));
        addControl('B', 1, &myName, ParameterValue(std::string("Studio <A> & B")));
        addControl('B', 2, &myEmpty, ParameterValue(std::string()));
        addControl('B', 5, &myBroken, ParameterValue(1));
        addControl('H', 1, &myLevel, ParameterValue(-31));
        addControl('O', 0, nullptr, ParameterValue(3));
        myStatusParameters.add(Parameter(myOwner, ParameterId(0xF8, 1), ParameterValue(-2), ParameterValue(0)));
        myStatusParameters.add(Parameter(myOwner, ParameterId('I', 0), ParameterValue(48), ParameterValue(48), &myLevel));
    }

private:
    void addControl(int aGroup, int anIndex, ParameterDefinition* aDefinition, const ParameterValue& aValue)
    {
        myControlParameters.add(ControlParameter(myOwner, ParameterId(aGroup, anIndex), ParameterValue::minimum(),
                                                 ParameterValue::maximum(), aDefinition))
            .write(aValue);
    }

    EnumeratedDefinition myRate;
    TextDefinition myName;
    TextDefinition myEmpty;
    FailingDefinition myBroken;
    NumericDefinition myLevel;
};

TEST(Report, TheWholeSetTextReport)
{
    ReportSet set;
    std::ostringstream stream;
    set.writeTextReport(stream, "Studio 1");
    EXPECT_EQ("Studio 1\n\n"
              "CONTROL PARAMETERS\n"
              "Data Rate: 384 kbps\n"
              "Name: Studio <A> & B\n"
              ": \n"
              "Level: -31\n"
              "(4f, 0): 3\n"
              "STATUS PARAMETERS\n"
              "(fffffff8, 1): -2\n"
              "Level: 48\n",
              stream.str());
}

TEST(Report, TheWholeSetHtmlReportEscapesItsTexts)
{
    ReportSet set;
    std::ostringstream stream;
    set.writeHtmlReport(stream, "A&B <1>");
    EXPECT_EQ("<HTML><HEAD><TITLE>A&amp;B &lt;1&gt;</TITLE> </HEAD> <BODY> \n"
              "<H1>A&amp;B &lt;1&gt;</H1>\n"
              "<BR><CAPTION><FONT SIZE=+1>CONTROL PARAMETERS </FONT></CAPTION>\n"
              "<TABLE BORDER COLS=2>\n"
              "<TR><TD>Data Rate</TD><TD>384 kbps</TD></TR>\n"
              "<TR><TD>Name</TD><TD>Studio &lt;A&gt; &amp; B</TD></TR>\n"
              "<TR><TD></TD><TD></TD></TR>\n"
              "<TR><TD>Level</TD><TD>-31</TD></TR>\n"
              "<TR><TD>(4f, 0)</TD><TD>3</TD></TR>\n"
              "</TABLE>\n"
              "<BR><CAPTION><FONT SIZE=+1>STATUS PARAMETERS </FONT></CAPTION>\n"
              "<TABLE BORDER COLS=2>\n"
              "<TR><TD>(fffffff8, 1)</TD><TD>-2</TD></TR>\n"
              "<TR><TD>Level</TD><TD>48</TD></TR>\n"
              "</TABLE>\n"
              "</BODY></HTML>\n",
              stream.str());
}

TEST(Report, AnEmptySetGivesTheBareSkeletons)
{
    ParameterSet set(nullptr);
    std::ostringstream text;
    set.writeTextReport(text, "Empty");
    EXPECT_EQ("Empty\n\nCONTROL PARAMETERS\nSTATUS PARAMETERS\n", text.str());
    std::ostringstream html;
    set.writeHtmlReport(html, "Empty");
    EXPECT_EQ("<HTML><HEAD><TITLE>Empty</TITLE> </HEAD> <BODY> \n<H1>Empty</H1>\n"
              "<BR><CAPTION><FONT SIZE=+1>CONTROL PARAMETERS </FONT></CAPTION>\n<TABLE BORDER COLS=2>\n</TABLE>\n"
              "<BR><CAPTION><FONT SIZE=+1>STATUS PARAMETERS </FONT></CAPTION>\n<TABLE BORDER COLS=2>\n</TABLE>\n"
              "</BODY></HTML>\n",
              html.str());
}

TEST(Report, SectionsHoldOneGroupIndentedByATab)
{
    ReportSet set;
    std::ostringstream stream;
    set.writeControlText(stream, 'B', "CONFIGURATION CONTROL");
    set.writeControlText(stream, 'E', "PROCESSING STATE CONTROL");
    set.writeStatusText(stream, 0xF8, "IDENTIFICATION");
    EXPECT_EQ("\nCONFIGURATION CONTROL\n"
              "\tData Rate: 384 kbps\n"
              "\tName: Studio <A> & B\n"
              "\t: \n"
              "\nPROCESSING STATE CONTROL\n"
              "\nIDENTIFICATION\n"
              "\t(fffffff8, 1): -2\n",
              stream.str());
}

TEST(Report, HtmlSectionsHoldOneGroupAndEscapeTheCaption)
{
    ReportSet set;
    std::ostringstream stream;
    set.writeControlHtml(stream, 'H', "INPUT/OUTPUT CONTROL");
    set.writeStatusHtml(stream, 'b', "R&D <none>");
    EXPECT_EQ("<BR><CAPTION><FONT SIZE=+1>INPUT/OUTPUT CONTROL </FONT></CAPTION>\n<TABLE BORDER COLS=2>\n"
              "<TR><TD>Level</TD><TD>-31</TD></TR>\n</TABLE>\n"
              "<BR><CAPTION><FONT SIZE=+1>R&amp;D &lt;none&gt; </FONT></CAPTION>\n<TABLE BORDER COLS=2>\n</TABLE>\n",
              stream.str());
}

TEST(Report, TheListPiecesEscapeTheirTexts)
{
    std::ostringstream stream;
    beginHtmlList(stream);
    writeHtmlLink(stream, "www.example.com/a?b=1&c=\"2\"", "Notes <1> & 2");
    endHtmlList(stream);
    EXPECT_EQ("<UL>\n<LI><A HREF=\"http://www.example.com/a?b=1&amp;c=&quot;2&quot;\">Notes &lt;1&gt; &amp; 2</A></LI>\n"
              "</UL>\n",
              stream.str());
}

struct WriterCase
{
    const char* name;
    std::function<void(ParameterSet&, std::ostream&)> write;
    const char* message;
};

const char* const theText = "Error formatting a parameter as text.";
const char* const theHtml = "Error formatting a parameter as html.";

const std::vector<WriterCase> theWriters = {
    {"text report", [](ParameterSet& s, std::ostream& o) { s.writeTextReport(o, "T"); }, theText},
    {"html report", [](ParameterSet& s, std::ostream& o) { s.writeHtmlReport(o, "T"); }, theHtml},
    {"control text", [](ParameterSet& s, std::ostream& o) { s.writeControlText(o, 'B', "C"); }, theText},
    {"status text", [](ParameterSet& s, std::ostream& o) { s.writeStatusText(o, 'I', "C"); }, theText},
    {"control html", [](ParameterSet& s, std::ostream& o) { s.writeControlHtml(o, 'B', "C"); }, theHtml},
    {"status html", [](ParameterSet& s, std::ostream& o) { s.writeStatusHtml(o, 'I', "C"); }, theHtml},
    {"empty control text", [](ParameterSet& s, std::ostream& o) { s.writeControlText(o, 'a', "C"); }, theText},
    {"empty status html", [](ParameterSet& s, std::ostream& o) { s.writeStatusHtml(o, 'b', "C"); }, theHtml},
};

std::string messageOf(const WriterCase& aCase, ParameterSet& aSet, std::ostream& aStream)
{
    try
    {
        aCase.write(aSet, aStream);
    }
    catch (const VornaException& e)
    {
        return e.what();
    }
    return "no exception";
}

TEST(Report, EveryWriterFailsOnAStreamThatCannotBeWritten)
{
    ReportSet set;
    for (const WriterCase& c : theWriters)
    {
        std::ostringstream stream;
        stream.setstate(std::ios::badbit);
        EXPECT_EQ(c.message, messageOf(c, set, stream)) << c.name;
    }
}

TEST(Report, EveryWriterFailsWhenTheStreamFailsPartWay)
{
    ReportSet set;
    for (const WriterCase& c : theWriters)
    {
        std::ostringstream whole;
        c.write(set, whole);
        for (std::size_t limit = 0; limit < whole.str().size(); limit += 7)
        {
            LimitedStreamBuffer buffer(limit);
            std::ostream stream(&buffer);
            EXPECT_EQ(c.message, messageOf(c, set, stream)) << c.name << " at " << limit;
        }
        LimitedStreamBuffer buffer(whole.str().size());
        std::ostream stream(&buffer);
        EXPECT_EQ("no exception", messageOf(c, set, stream)) << c.name;
    }
}
}
