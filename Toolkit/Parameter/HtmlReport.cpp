#include "Toolkit/Parameter/HtmlReport.h"

#include <ostream>

namespace
{
// An attribute value also must not close its quotation marks.
std::string escapeHtmlAttribute(const std::string& aText)
{
    std::string result;
    for (char character : escapeHtml(aText))
    {
        if (character == '"')
        {
            result += "&quot;";
        }
        else
        {
            result += character;
        }
    }
    return result;
}
}

std::string escapeHtml(const std::string& aText)
{
    std::string result;
    result.reserve(aText.size());
    for (char character : aText)
    {
        switch (character)
        {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        default:
            result += character;
            break;
        }
    }
    return result;
}

std::ostream& writeHtmlHead(std::ostream& aStream, const std::string& aTitle)
{
    const std::string title = escapeHtml(aTitle);
    return aStream << "<HTML><HEAD><TITLE>" << title << "</TITLE> </HEAD> <BODY> \n"
                   << "<H1>" << title << "</H1>\n";
}

std::ostream& beginHtmlTable(std::ostream& aStream, const std::string& aCaption)
{
    return aStream << "<BR><CAPTION><FONT SIZE=+1>" << escapeHtml(aCaption) << " </FONT></CAPTION>\n"
                   << "<TABLE BORDER COLS=2>\n";
}

std::ostream& endHtmlTable(std::ostream& aStream)
{
    return aStream << "</TABLE>\n";
}

std::ostream& writeHtmlTail(std::ostream& aStream)
{
    return aStream << "</BODY></HTML>\n";
}

std::ostream& beginHtmlList(std::ostream& aStream)
{
    return aStream << "<UL>\n";
}

std::ostream& endHtmlList(std::ostream& aStream)
{
    return aStream << "</UL>\n";
}

std::ostream& writeHtmlLink(std::ostream& aStream, const std::string& anAddress, const std::string& aText)
{
    return aStream << "<LI><A HREF=\"http://" << escapeHtmlAttribute(anAddress) << "\">" << escapeHtml(aText)
                   << "</A></LI>\n";
}
