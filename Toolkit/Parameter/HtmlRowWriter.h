#pragma once

#include "Toolkit/Parameter/ControlParameter.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <iosfwd>
#include <utility>

// Writes a parameter's table row. Before each parameter, and on check(), a
// failed report stream throws VornaException "Error formatting a parameter as html.".
class HtmlRowWriter
{
public:
    explicit HtmlRowWriter(std::ostream& aStream);

    void operator()(const Parameter& aParameter);
    void operator()(const std::pair<const ParameterId, Parameter>& anEntry) { (*this)(anEntry.second); }
    void operator()(const std::pair<const ParameterId, ControlParameter>& anEntry) { (*this)(anEntry.second); }
    void check() const;

private:
    std::ostream* myStream;
};
