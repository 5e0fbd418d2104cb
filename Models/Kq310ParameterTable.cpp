#include "Models/Kq310ParameterTable.h"

#include "Models/Kq310CodingModeRule.h"
#include "Models/Kq310DataRateRule.h"
#include "Models/ParameterIds.h"

#include <memory>

Kq310ParameterTable::Kq310ParameterTable(AbstractProtocol* anOwner)
    : ParameterTable(anOwner)
{
    makeReserved(myControlParameters.find(ParameterId('B', 34)));
    makeReserved(myControlParameters.find(ParameterId('B', 35)));
    installModelRules();
    for (int poll = 0; poll < startupPolls; ++poll)
    {
        dispatchQueued();
    }
}

void Kq310ParameterTable::installModelRules()
{
    installDataRateRule();
    installCodingModeRule();
}

void Kq310ParameterTable::installDataRateRule()
{
    const int subjects[] = {1, 4, 2};
    for (int index : subjects)
    {
        ownObserver(std::make_unique<Kq310DataRateRule>(ParameterId('B', index), &myStatusParameters,
                                                        &myControlParameters));
    }
}

void Kq310ParameterTable::installCodingModeRule()
{
    ownObserver(std::make_unique<Kq310CodingModeRule>(ParameterIds::audioCodingMode, &myStatusParameters, &myControlParameters));
}
