#pragma once

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <iosfwd>
#include <string>
#include <utility>

// Writes report lines: the prefix, a parameter's text and "\n", or nothing
// when the text is empty. Before each parameter, and on check(), a failed
// report stream throws VornaException "Error formatting a parameter as text.".
class TextLineWriter
{
public:
    TextLineWriter(std::ostream& aStream, const std::string& aPrefix);

    void operator()(const Parameter& aParameter);
    void operator()(const std::pair<const ParameterId, Parameter>& anEntry) { (*this)(anEntry.second); }
    void operator()(const std::pair<const ParameterId, ControlParameter>& anEntry) { (*this)(anEntry.second); }
    void check() const;

private:
    std::ostream* myStream;
    std::string myPrefix;
};
