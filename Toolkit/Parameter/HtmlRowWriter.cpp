#include "Toolkit/Parameter/HtmlRowWriter.h"

#include "Toolkit/Parameter/VornaException.h"

#include <ostream>

HtmlRowWriter::HtmlRowWriter(std::ostream& aStream)
    : myStream(&aStream)
{
}

void HtmlRowWriter::operator()(const Parameter& aParameter)
{
    check();
    aParameter.writeHtmlRow(*myStream);
}

void HtmlRowWriter::check() const
{
    if (myStream->fail() || myStream->bad())
    {
        throw VornaException("Error formatting a parameter as html.");
    }
}
