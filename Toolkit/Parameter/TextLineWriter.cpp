#include "Toolkit/Parameter/TextLineWriter.h"

#include "Toolkit/Parameter/VornaException.h"

#include <sstream>

TextLineWriter::TextLineWriter(std::ostream& aStream, const std::string& aPrefix)
    : myStream(&aStream), myPrefix(aPrefix)
{
}

void TextLineWriter::operator()(const Parameter& aParameter)
{
    check();
    std::ostringstream line;
    writeTextLine(line, aParameter);
    const std::string text = line.str();
    if (line.good() && !text.empty())
    {
        *myStream << myPrefix << text << "\n";
    }
}

void TextLineWriter::check() const
{
    if (myStream->fail() || myStream->bad())
    {
        throw VornaException("Error formatting a parameter as text.");
    }
}
